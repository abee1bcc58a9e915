// Windows: a Texture2D<float2> over an R32G32_FLOAT texture reads both components.
// verdict: accepted
// probe: 3 4 1 2
// group: resources
// texture t0: 2d r32g32_float 2x1 : 1 2 3 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("The return type matches the type in the Object declaration")
#include "resource_stages.hlsli"
Texture2D<float2> pairs : register(t0);
float4 PSMain() : SV_Target
{
    return float4(pairs.Load(int3(1, 0, 0)), pairs[uint2(0, 0)]);
}

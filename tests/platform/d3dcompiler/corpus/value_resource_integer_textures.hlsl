// Windows: Texture2D<uint> and Texture2D<int> read the integers an R32_UINT and an R32_SINT texture hold.
// verdict: accepted
// probe: 7 1 -5 3
// group: resources
// texture t0: 2d r32_uint 2x1 : 7 4000000000
// texture t1: 2d r32_sint 2x1 : -5 12
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("The return type matches the type in the Object declaration")
#include "resource_stages.hlsli"
Texture2D<uint> counts : register(t0);
Texture2D<int> offsets : register(t1);
float4 PSMain() : SV_Target
{
    return float4(counts.Load(int3(0, 0, 0)), counts[uint2(1, 0)] > 3000000000u, offsets.Load(int3(0, 0, 0)), offsets[uint2(1, 0)] / 4);
}

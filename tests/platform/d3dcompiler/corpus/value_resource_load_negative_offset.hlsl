// Windows: Load's offset may be negative: it moves the texel back.
// verdict: accepted
// probe: 1 3 2 0
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Offset: An optional offset applied to the texture coordinates before sampling")
#include "resource_stages.hlsli"
Texture2D<float> heights : register(t0);
float4 PSMain() : SV_Target
{
    return float4(heights.Load(int3(1, 1, 0), int2(-1, -1)), heights.Load(int3(1, 1, 0), int2(-1, 0)), heights.Load(int3(1, 1, 0), int2(0, -1)), heights.Load(int3(0, 0, 0), int2(-1, 0)));
}

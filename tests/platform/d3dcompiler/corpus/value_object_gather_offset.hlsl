// Windows: Gather's offset moves the four texels it gathers.
// verdict: accepted
// probe: 5 6 2 1
// group: resources
// texture t0: 2d r32_float 4x4 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-gather--s-float-int- ("Offset: An offset applied to the texture coordinates before sampling"); dx-graphics-hlsl-to-gather (counter-clockwise order from the lower left)
#include "resource_stages.hlsli"
Texture2D<float> grid : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return grid.Gather(nearest, float2(0.25, 0.25), int2(1, 0));
}

// Windows: GatherGreen and GatherAlpha gather the green and alpha components of the four texels.
// verdict: accepted
// probe: 30 10 4000 2000
// group: resources
// texture t0: 2d r32g32b32a32_float 2x2 : 1 10 100 1000  2 20 200 2000  3 30 300 3000  4 40 400 4000
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-gathergreen, texture2d-gatheralpha ("Samples a texture and returns the green component")
#include "resource_stages.hlsli"
Texture2D<float4> colours : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float4 green = colours.GatherGreen(nearest, float2(0.5, 0.5));
    float4 alpha = colours.GatherAlpha(nearest, float2(0.5, 0.5));
    return float4(green.xw, alpha.yz);
}

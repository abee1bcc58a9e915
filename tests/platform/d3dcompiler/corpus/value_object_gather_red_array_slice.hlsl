// Windows: GatherRed of a Texture2DArray gathers from the slice the third coordinate names.
// verdict: accepted
// probe: 7 8 6 5
// group: resources
// texture t0: 2darray r32_float 2x2 slices 2 : 1 2 3 4 5 6 7 8
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2darray-gatherred ("Location: The texture coordinates"; float3 for Texture2DArray); dx-graphics-hlsl-to-gather (counter-clockwise order from the lower left)
#include "resource_stages.hlsli"
Texture2DArray<float> layers : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return layers.GatherRed(nearest, float3(0.5, 0.5, 1));
}

// Windows: Gather's and SampleLevel's overloads with a status output read as those without, and the status reads as fully mapped.
// verdict: accepted
// probe: 3 4 1 1
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-gather-s-float2-int2-uint- ("Status: The status of the operation"), texture2d-samplelevel-s-float-float-int-uint-; checkaccessfullymapped ("Returns TRUE if all values from the corresponding Sample, Gather, or Load operation accessed mapped tiles")
#include "resource_stages.hlsli"
Texture2D<float> grid : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    uint gathered, sampled;
    float4 g = grid.Gather(nearest, float2(0.5, 0.5), int2(0, 0), gathered);
    float s = grid.SampleLevel(nearest, float2(0.75, 0.75), 0, int2(0, 0), sampled);
    return float4(g.x, s, CheckAccessFullyMapped(gathered), CheckAccessFullyMapped(sampled));
}

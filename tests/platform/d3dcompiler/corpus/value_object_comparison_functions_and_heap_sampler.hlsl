// Windows: a comparison sampler's function decides each comparison (GREATER_EQUAL, NEVER, ALWAYS), a descriptor heap's comparison sampler compares as a static one does, and SampleCmp of a Texture2DArray compares in the slice its coordinate names.
// verdict: accepted
// probe: 1 0 1 1
// group: resources
// texture t0: 2darray r32_float 1x1 slices 2 depth-stencil : 0.25 0.75
// sampler s0: point clamp greater_equal
// sampler s1: point clamp never heap
// sampler s2: point clamp always heap
// sampler s3: point clamp less heap
// source: learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_comparison_func ("GREATER_EQUAL: If the source data is greater than or equal to the destination data, the comparison passes"; "NEVER: Never pass the comparison"; "ALWAYS: Always pass the comparison"); texture2darray-samplecmplevelzero; ns-d3d12-d3d12_sampler_desc (ComparisonFunc)
#include "resource_stages.hlsli"
Texture2DArray<float> depths : register(t0);
SamplerComparisonState atLeast : register(s0);
SamplerComparisonState never : register(s1);
SamplerComparisonState always : register(s2);
SamplerComparisonState less : register(s3);
float4 PSMain() : SV_Target
{
    float3 first = float3(0.5, 0.5, 0);
    float3 second = float3(0.5, 0.5, 1);
    return float4(depths.SampleCmpLevelZero(atLeast, first, 0.25), depths.SampleCmpLevelZero(never, first, 0.0), depths.SampleCmpLevelZero(always, second, 2.0), depths.SampleCmpLevelZero(less, second, 0.5));
}

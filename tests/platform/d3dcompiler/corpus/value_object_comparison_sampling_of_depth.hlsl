// Windows: SampleCmpLevelZero and GatherCmp compare the reference with each texel (reference LESS texel passes as 1), and a linear comparison filter averages the four results.
// verdict: accepted
// probe: 0 1 12 0.5
// group: resources
// texture t0: 2d r32_float 2x2 depth-stencil : 0.2 0.4 0.6 0.8
// sampler s0: point clamp less
// sampler s1: linear clamp less
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplecmplevelzero; texture2d-gathercmp ("the four samples ... compared"); learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_comparison_func ("D3D12_COMPARISON_FUNC_LESS: If the source data is less than the destination data, the comparison passes"); gather4-c--sm5---asm- (the texels' order (u0,v1), (u1,v1), (u1,v0), (u0,v0))
#include "resource_stages.hlsli"
Texture2D<float> depths : register(t0);
SamplerComparisonState nearer : register(s0);
SamplerComparisonState smooth : register(s1);
float4 PSMain() : SV_Target
{
    float4 gathered = depths.GatherCmp(nearer, float2(0.5, 0.5), 0.5);
    return float4(depths.SampleCmpLevelZero(nearer, float2(0.25, 0.25), 0.3), depths.SampleCmpLevelZero(nearer, float2(0.75, 0.75), 0.3), dot(gathered, float4(8, 4, 2, 1)), depths.SampleCmpLevelZero(smooth, float2(0.5, 0.5), 0.5));
}

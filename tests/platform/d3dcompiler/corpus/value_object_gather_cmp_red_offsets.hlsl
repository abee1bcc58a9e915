// Windows: GatherCmpRed compares as GatherCmp does, and GatherCmp, GatherCmpRed and SampleCmpLevelZero take a texel offset that moves the texels they read.
// verdict: accepted
// probe: 12 10 12 1
// group: resources
// texture t0: 2d r32_float 3x2 depth-stencil : 0.2 0.4 0.8 0.6 0.8 0.1
// sampler s0: point clamp less
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-gathercmpred ("Texture2D.GatherCmpRed(SamplerComparisonState, float2, float[, int2])"), texture2d-gathercmp, dx-graphics-hlsl-to-samplecmplevelzero ("Offset: An optional texture coordinate offset"); gather4-c--sm5---asm- (the texels' order (u0,v1), (u1,v1), (u1,v0), (u0,v0))
#include "resource_stages.hlsli"
Texture2D<float> depths : register(t0);
SamplerComparisonState nearer : register(s0);
float4 PSMain() : SV_Target
{
    float2 corner = float2(1.0 / 3, 0.5);
    float4 weights = float4(8, 4, 2, 1);
    return float4(dot(depths.GatherCmpRed(nearer, corner, 0.5), weights), dot(depths.GatherCmp(nearer, corner, 0.5, int2(1, 0)), weights), dot(depths.GatherCmpRed(nearer, corner, 0.5, int2(0, 0)), weights), depths.SampleCmpLevelZero(nearer, float2(1.0 / 6, 0.25), 0.5, int2(2, 0)));
}

// Windows: GatherCmpRed with four offsets compares, for component i, the i-th texel of the gather at offset i ((u0,v1), (u1,v1), (u1,v0), (u0,v0)).
// verdict: accepted
// probe: 1 1 0 1
// group: resources
// texture t0: 2d r32_float 4x4 depth-stencil : 0 0.0625 0.125 0.1875 0.25 0.3125 0.375 0.4375 0.5 0.5625 0.625 0.6875 0.75 0.8125 0.875 0.9375
// sampler s0: point clamp less
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-gathercmpred ("GatherCmpRed(SamplerComparisonState, float2, float, int2, int2, int2, int2)"); t2d-gatherred-s-float-int2-int2-int2-int2- ("Offset1: The first offset component applied to the texture coordinates before sampling"); gather4-c--sm5---asm- (the texels' order (u0,v1), (u1,v1), (u1,v0), (u0,v0))
#include "resource_stages.hlsli"
Texture2D<float> depths : register(t0);
SamplerComparisonState nearer : register(s0);
float4 PSMain() : SV_Target
{
    return depths.GatherCmpRed(nearer, float2(0.25, 0.25), 0.3, int2(1, 0), int2(0, 1), int2(2, 0), int2(1, 1));
}

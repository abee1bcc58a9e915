// Windows: SampleCmp compares in the mip level the coordinate's derivatives give, as Sample reads it, where SampleCmpLevelZero stays in level 0.
// verdict: accepted
// probe: 1 0 0 1
// group: resources
// texture t0: 2d r32_float 4x4 mips 3 depth-stencil : 0.2 0.2 0.2 0.2 0.2 0.2 0.2 0.2 0.2 0.2 0.2 0.2 0.2 0.2 0.2 0.2  0.6 0.6 0.6 0.6  0.9
// sampler s0: point clamp less
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplecmp ("Samples a texture and compares a single component against the specified comparison value"); sample-c--sm4---asm- ("sample_c ... performs a comparison ... the LOD is computed as for sample"); dx-graphics-hlsl-to-samplecmplevelzero ("on mipmap level 0 only")
#include "resource_stages.hlsli"
Texture2D<float> depths : register(t0);
SamplerComparisonState nearer : register(s0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2 uv = position.xy * 0.5;
    return float4(depths.SampleCmp(nearer, uv, 0.5), depths.SampleCmp(nearer, uv * 0.25, 0.5), depths.SampleCmpLevelZero(nearer, uv * 2, 0.5), depths.SampleCmp(nearer, uv * 2, 0.7));
}

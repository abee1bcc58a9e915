// Windows: one texture read through a comparison sampler and a plain one.
// verdict: accepted
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplecmplevelzero and dx-graphics-hlsl-to-gather (both on a Texture2D, with SamplerComparisonState and SamplerState)
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0)), StaticSampler(s0), StaticSampler(s1, comparisonFunc = COMPARISON_LESS)"
#include "sampled_stages.hlsli"
Texture2D shadowMap : register(t0);
SamplerState linearSampler : register(s0);
SamplerComparisonState shadowSampler : register(s1);
float4 PSMain(PixelInput input) : SV_Target
{
    float lit = shadowMap.SampleCmpLevelZero(shadowSampler, input.uv, 0.5);
    return input.color * lit + shadowMap.Gather(linearSampler, input.uv);
}

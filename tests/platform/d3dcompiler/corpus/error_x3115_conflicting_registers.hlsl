// Windows: one sampler given two registers of its class.
// verdict: compile-error PSMain X3115
// group: refuse
// error text: Conflicting register semantics: 's0' and 's1'
// source: fxc's "X3115: Conflicting register semantics: 's0' and 's1'" for "sampler myVar_conflict : register(s0) : register(s1);", quoted in the fxc-error annotations of DirectXShaderCompiler's tools/clang/test/HLSL/packreg.hlsl
Texture2D colorTexture : register(t0);
SamplerState linearSampler : register(s0) : register(s1);
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
#include "sampled_stages.hlsli"
float4 PSMain(PixelInput input) : SV_Target
{
    return colorTexture.Sample(linearSampler, input.uv) * input.color;
}

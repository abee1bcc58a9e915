// Windows: the register inside register() may carry an index expression:
// s[1 + 1] is s2 and t1[2] is t3.
// verdict: accepted
// group: accept
// source: DirectXShaderCompiler's tools/clang/test/HLSL/packreg.hlsl, whose fxc annotations pass "register(ps, s[1+1])" and "register(vs, s2[8])" and whose expected bindings are s2 and s10 (the register number plus the index)
Texture2D colorTexture : register(t1[2]);
SamplerState linearSampler : register(s[1 + 1]);
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t3)), StaticSampler(s2)"
#include "sampled_stages.hlsli"
float4 PSMain(PixelInput input) : SV_Target
{
    return colorTexture.Sample(linearSampler, input.uv) * input.color;
}

// Windows: a texture bound to a UAV register.
// verdict: compile-error PSMain X3530
// group: refuse
// error text: texture requires a 't' or 's' register
// source: fxc's "X3530: texture requires a 't' or 's' register" for "Texture2D T2D_u1 : register(u1);", quoted in the fxc-error annotations of DirectXShaderCompiler's tools/clang/test/HLSL/packreg.hlsl
Texture2D colorTexture : register(u0);
SamplerState linearSampler : register(s0);
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
#include "sampled_stages.hlsli"
float4 PSMain(PixelInput input) : SV_Target
{
    return colorTexture.Sample(linearSampler, input.uv) * input.color;
}

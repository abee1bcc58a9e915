// Windows: a constant buffer bound to a shader-resource register.
// verdict: compile-error PSMain X3530
// group: refuse
// error text: invalid register specification, expected 'b' or 'c' binding
// source: fxc's "X3530: invalid register specification, expected 'b' or 'c' binding" for "cbuffer CB1 : register(t1)", quoted in the fxc-error annotations of DirectXShaderCompiler's tools/clang/test/HLSL/packreg.hlsl
cbuffer lighting : register(t1)
{
    float4 ambient;
};
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
#include "sampled_stages.hlsli"
float4 PSMain(PixelInput input) : SV_Target
{
    return input.color + ambient;
}

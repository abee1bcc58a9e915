// Windows: one constant buffer bound to two slots.
// verdict: compile-error PSMain X3530
// group: refuse
// error text: Buffers may only be bound to one slot.
// source: fxc's "X3530: Buffers may only be bound to one slot." for "cbuffer MyDupeBuffer2 : register(b0) : register(b2)", quoted in the fxc-error annotations of DirectXShaderCompiler's tools/clang/test/HLSL/packreg.hlsl
cbuffer lighting : register(b1) : register(b2)
{
    float4 ambient;
};
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
#include "sampled_stages.hlsli"
float4 PSMain(PixelInput input) : SV_Target
{
    return input.color + ambient;
}

// Windows: Sample needs derivatives, which only a pixel shader has.
// verdict: compile-error VSMain X4532
// group: statements
// error text: cannot map expression to vs_5_0 instruction set
// source: fxc's "X4532: cannot map expression to vs_5_0 instruction set" for Sample in a vertex shader (quoted in a project's code found by code search); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample ("This function is supported only in a pixel shader")
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0)), StaticSampler(s0)"
#define VSMain VSMainWithoutTexture
#include "sampled_stages.hlsli"
#undef VSMain
Texture2D heightMap : register(t0);
SamplerState linearSampler : register(s0);
[RootSignature(STAGES_ROOT_SIGNATURE)]
PixelInput VSMain(VertexInput input)
{
    PixelInput output = VSMainWithoutTexture(input);
    output.position.y += heightMap.Sample(linearSampler, input.uv).r;
    return output;
}
float4 PSMain(PixelInput input) : SV_Target
{
    return input.color;
}

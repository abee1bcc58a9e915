// Windows: two textures that the pixel shader reads are bound to the same register.
// verdict: compile-error PSMain X4500
// group: refuse
// error text: overlapping register semantics not yet implemented 't0'
// source: fxc's "error X4500: overlapping register semantics not yet implemented 't0'", quoted in public bug reports of D3DCompile output (two resources declared at one register and both read)
Texture2D colorTexture : register(t0);
Texture2D detailTexture : register(t0);
SamplerState linearSampler : register(s0);
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0)), StaticSampler(s0)"
#include "sampled_stages.hlsli"
float4 Detail(float2 uv)
{
    return detailTexture.Sample(linearSampler, uv * 8.0);
}
float4 PSMain(PixelInput input) : SV_Target
{
    return colorTexture.Sample(linearSampler, input.uv) * Detail(input.uv) * input.color;
}

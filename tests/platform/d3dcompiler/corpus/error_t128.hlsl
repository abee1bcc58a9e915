// Windows: texture slot t128 in ps_5_0: 128 slots.
// verdict: compile-error PSMain -
// error text: target has 128 slots
// source: learn.microsoft.com/windows/win32/direct3d11/overviews-direct3d-11-resources-limits (128 input resource slots per stage)
Texture2D farTexture : register(t128);
SamplerState linearSampler : register(s0);
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
#include "sampled_stages.hlsli"
float4 PSMain(PixelInput input) : SV_Target
{
    return farTexture.Sample(linearSampler, input.uv) * input.color * (0.5 + 0.5 * input.normal.y) + float4(input.uv, 0, 0);
}

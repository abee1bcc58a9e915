// Windows: sampler slot s16 in ps_5_0: 16 slots.
// verdict: compile-error PSMain -
// error text: target has 16 slots
// source: learn.microsoft.com/windows/win32/direct3d11/overviews-direct3d-11-resources-limits (16 sampler slots per stage)
Texture2D colourTexture : register(t0);
SamplerState farSampler : register(s16);
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
#include "sampled_stages.hlsli"
float4 PSMain(PixelInput input) : SV_Target
{
    return colourTexture.Sample(farSampler, input.uv) * input.color * (0.5 + 0.5 * input.normal.y) + float4(input.uv, 0, 0);
}

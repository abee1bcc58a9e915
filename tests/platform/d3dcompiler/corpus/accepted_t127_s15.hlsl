// Windows: texture slot t127 and sampler slot s15 are the last of their ranges.
// verdict: accepted
// source: learn.microsoft.com/windows/win32/direct3d11/overviews-direct3d-11-resources-limits: 128 input resource slots and 16 sampler slots per stage
Texture2D lastTexture : register(t127);
SamplerState lastSampler : register(s15);
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t127)), StaticSampler(s15)"
#include "sampled_stages.hlsli"
float4 PSMain(PixelInput input) : SV_Target
{
    return lastTexture.Sample(lastSampler, input.uv) * input.color * (0.5 + 0.5 * input.normal.y) + float4(input.uv, 0, 0);
}

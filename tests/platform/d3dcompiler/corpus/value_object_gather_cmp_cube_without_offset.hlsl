// Windows: GatherCmp of a TextureCube, whose overloads take no offset, compiles.
// verdict: accepted
// group: resources
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texturecube-gathercmp ("TextureCube.GatherCmp(SamplerComparisonState, float3, float)")
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0)), StaticSampler(s0, comparisonFunc = COMPARISON_LESS)"
#include "sampled_stages.hlsli"
TextureCube<float> cube : register(t0);
SamplerComparisonState less : register(s0);
float4 PSMain(PixelInput input) : SV_Target
{
    return input.color * cube.GatherCmp(less, input.normal, 0.5);
}

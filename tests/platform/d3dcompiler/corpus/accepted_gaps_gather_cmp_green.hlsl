// Windows: GatherCmpGreen, GatherCmpBlue and GatherCmpAlpha of a Texture2D compile, with and
// without an offset.
// verdict: accepted
// group: resources
// stand-in: differ glslang refuses a gather that compares another component than red ("unimplemented: component-level gather compare"), and Vulkan compares the first component only
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-gathercmpgreen, texture2d-gathercmpblue and texture2d-gathercmpalpha ("Texture2D.GatherCmpGreen(SamplerComparisonState, float2, float[, int2])")
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0)), StaticSampler(s0, comparisonFunc = COMPARISON_LESS)"
#include "sampled_stages.hlsli"
Texture2D<float4> depths : register(t0);
SamplerComparisonState less : register(s0);
float4 PSMain(PixelInput input) : SV_Target
{
    float4 c = depths.GatherCmpGreen(less, input.uv, 0.5);
    c += depths.GatherCmpBlue(less, input.uv, 0.5, int2(1, 0));
    c += depths.GatherCmpAlpha(less, input.uv, 0.5);
    return input.color * c;
}

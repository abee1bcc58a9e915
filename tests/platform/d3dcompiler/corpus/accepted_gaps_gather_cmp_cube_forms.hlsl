// Windows: GatherCmpRed of a TextureCube and GatherCmp of a TextureCubeArray, whose overloads take
// no offset, compile.
// verdict: accepted
// group: resources
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texturecube-gathercmpred ("TextureCube.GatherCmpRed(SamplerComparisonState, float3, float)") and texturecubearray-gathercmp ("TextureCubeArray.GatherCmp(SamplerComparisonState, float4, float)")
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0, numDescriptors = 2)), StaticSampler(s0, comparisonFunc = COMPARISON_LESS)"
#include "sampled_stages.hlsli"
TextureCube<float> cube : register(t0);
TextureCubeArray<float> cubes : register(t1);
SamplerComparisonState less : register(s0);
float4 PSMain(PixelInput input) : SV_Target
{
    float4 c = cube.GatherCmpRed(less, input.normal, 0.5);
    c += cubes.GatherCmp(less, float4(input.normal, 1), 0.25);
    return input.color * c;
}

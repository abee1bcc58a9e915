// Windows: GatherCmp and GatherCmpRed of a Texture2D, with and without an offset, and SampleCmp of a Texture2DArray and a TextureCube.
// verdict: accepted
// group: resources
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-gathercmp, texture2d-gathercmpred (with "int2 Offset"), dx-graphics-hlsl-to-samplecmp (Texture2DArray float3, TextureCube float3 locations)
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0, numDescriptors = 3)), StaticSampler(s0, comparisonFunc = COMPARISON_LESS)"
#include "sampled_stages.hlsli"
Texture2D<float> depths : register(t0);
Texture2DArray<float> layers : register(t1);
TextureCube<float> cube : register(t2);
SamplerComparisonState less : register(s0);
float4 PSMain(PixelInput input) : SV_Target
{
    float4 c = depths.GatherCmp(less, input.uv, 0.5) + depths.GatherCmpRed(less, input.uv, 0.5, int2(1, -1));
    c += depths.GatherCmp(less, input.uv, 0.25, int2(-2, 0));
    c.x += layers.SampleCmp(less, float3(input.uv, 1), 0.5) + cube.SampleCmp(less, input.normal, 0.5);
    return input.color * c;
}

// Windows: Sample with an offset, SampleLevel with an offset, SampleGrad,
// SampleBias and GetDimensions with a mip level.
// verdict: accepted
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample, -samplelevel, -samplegrad, -samplebias and -getdimensions (the overloads with offsets and mip levels)
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0)), StaticSampler(s0)"
#include "sampled_stages.hlsli"
Texture2D<float4> colourMap : register(t0);
SamplerState linearSampler : register(s0);
float4 PSMain(PixelInput input) : SV_Target
{
    uint width, height, levels;
    colourMap.GetDimensions(0, width, height, levels);
    float4 c = colourMap.Sample(linearSampler, input.uv, int2(1, -1));
    c += colourMap.SampleLevel(linearSampler, input.uv, 1.0, int2(0, 1));
    c += colourMap.SampleGrad(linearSampler, input.uv, ddx(input.uv), ddy(input.uv));
    c += colourMap.SampleBias(linearSampler, input.uv, 0.5);
    return input.color * c / (float)max(levels, 1);
}

// Windows: a TextureCube's Sample and SampleBias take a level-of-detail clamp without an offset, and a Texture2DArray's SampleGrad takes one after its offset; each samples no finer than the clamp.
// verdict: accepted
// probe: 10 1 10 20
// group: resources
// texture t0: cube r32_float 2x2 mips 2 : 1 1 1 1  10  2 2 2 2  20  3 3 3 3  30  4 4 4 4  40  5 5 5 5  50  6 6 6 6  60
// texture t1: 2darray r32_float 2x2 mips 2 slices 2 : 1 1 1 1  10  2 2 2 2  20
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texturecube-sample-s-float-float- ("TextureCube.Sample(SamplerState, float3, float)"; "Clamp: An optional value to clamp sample level-of-detail (LOD) values to"); texturecube-samplebias-s-float-float-float-; texture2darray-samplegrad-s-float-float-float-int-float-
#include "resource_stages.hlsli"
TextureCube<float> faces : register(t0);
Texture2DArray<float> stack : register(t1);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float3 east = float3(1, 0, 0);
    float2 step = float2(0.5, 0);
    return float4(faces.Sample(nearest, east, 1.0), faces.Sample(nearest, east, 0.0), faces.SampleBias(nearest, east, 0.0, 1.0), stack.SampleGrad(nearest, float3(0.4, 0.6, 1), step, step.yx, int2(0, 0), 1.0));
}

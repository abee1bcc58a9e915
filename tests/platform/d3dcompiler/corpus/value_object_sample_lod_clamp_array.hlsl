// Windows: Sample's and SampleBias's overloads with a level-of-detail clamp take it on a Texture2DArray too, sampling no finer than the clamp's level of the slice the coordinate names.
// verdict: accepted
// probe: 20 200 2 200
// group: resources
// texture t0: 2darray r32_float 2x2 mips 2 slices 2 : 1 1 1 1  10  2 2 2 2  20
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2darray-sample-s-float-int-float- ("Clamp: An optional value to clamp sample level-of-detail (LOD) values to"); texture2darray-samplebias-s-float-float-int-float-
#include "resource_stages.hlsli"
Texture2DArray<float> stack : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float3 uv = float3(0.4, 0.6, 1);
    return float4(stack.Sample(nearest, uv, int2(0, 0), 1.0), stack.Sample(nearest, float3(0.4, 0.6, 0), int2(0, 0), 1.0) * 20, stack.SampleBias(nearest, uv, 0.0, int2(0, 0), 0.0), stack.SampleBias(nearest, uv, 0.0, int2(0, 0), 1.0) * 10);
}

// Windows: SampleCmp has overloads with an offset, a level-of-detail clamp and a status, on Texture2D and Texture2DArray.
// verdict: accepted
// group: resources
// stand-in: differ glslang has no SampleCmp overload with a clamp, and shader model 5.0 no comparing sample at a level the shader gives that the clamp could become
// texture t0: 2d r32_float 2x2
// texture t1: 2darray r32_float 2x2 slices 2
// sampler s0: point clamp less
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-samplecmp-samplercomparisonstate-float-float-int-float-uint- ("Clamp: An optional value to clamp sample LOD values to"; "Status: The status of the operation"); texture2darray-samplecmp-samplercomparisonstate-float-float-int-float-
#include "resource_stages.hlsli"
Texture2D<float> depths : register(t0);
Texture2DArray<float> layers : register(t1);
SamplerComparisonState closer : register(s0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint status;
    float2 uv = position.xy * 0.5;
    float lit = depths.SampleCmp(closer, uv, 0.5, int2(0, 0), 1.0);
    lit += depths.SampleCmp(closer, uv, 0.5, int2(1, 0), 0.0, status);
    lit += layers.SampleCmp(closer, float3(uv, 1), 0.5, int2(0, 0), 2.0);
    return float4(lit, CheckAccessFullyMapped(status), 0, 1);
}

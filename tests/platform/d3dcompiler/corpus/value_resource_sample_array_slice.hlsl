// Windows: a Texture2DArray's third coordinate picks the slice, rounded to the nearest and clamped to the slices there are.
// verdict: accepted
// probe: 20 30 10 30
// group: resources
// texture t0: 2darray r32_float 1x1 slices 3 : 10 20 30
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample (Texture2DArray: float3 location, the third component the array index); learn.microsoft.com/windows/win32/direct3d11/d3d10-graphics-programming-guide-resources-types ("the array index ... is rounded and clamped")
#include "resource_stages.hlsli"
Texture2DArray<float> layers : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return float4(layers.SampleLevel(nearest, float3(0.5, 0.5, 1.4), 0), layers.SampleLevel(nearest, float3(0.5, 0.5, 1.6), 0), layers.SampleLevel(nearest, float3(0.5, 0.5, -3), 0), layers.SampleLevel(nearest, float3(0.5, 0.5, 7), 0));
}

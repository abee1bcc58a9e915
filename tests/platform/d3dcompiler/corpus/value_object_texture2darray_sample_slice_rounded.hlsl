// Windows: Sample's array coordinate is rounded to the nearest slice and clamped to the array.
// verdict: accepted
// probe: 20 30 30 10
// group: resources
// texture t0: 2darray r32_float 1x1 slices 3 : 10 20 30
// sampler s0: point clamp
// source: Microsoft's Direct3D 11.3 functional rules, texture sampling (the array coordinate is rounded to the nearest integer, then clamped to the array's slices), which dx-graphics-hlsl-to-sample's Location for Texture2DArray (third component the array index) points to
#include "resource_stages.hlsli"
Texture2DArray<float> layers : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float2 uv = float2(0.5, 0.5);
    return float4(layers.Sample(nearest, float3(uv, 1.3)), layers.Sample(nearest, float3(uv, 1.7)), layers.Sample(nearest, float3(uv, 7)), layers.Sample(nearest, float3(uv, -3)));
}

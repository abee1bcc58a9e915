// Windows: a Texture2D<float2> gives a float2, which a float4 cannot take: X3017.
// verdict: compile-error PSMain X3017
// group: resources
// error text: cannot implicitly convert from 'float2' to 'float4'
// texture t0: 2d r32g32_float 1x1
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2d (Texture2D<Type>: the methods give Type); fxc's X3017 words as the corpus's return cases quote them ("cannot implicitly convert from 'float3' to 'float4'")
#include "resource_stages.hlsli"
Texture2D<float2> pairs : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float4 value = pairs.Sample(nearest, float2(0.5, 0.5));
    return value;
}

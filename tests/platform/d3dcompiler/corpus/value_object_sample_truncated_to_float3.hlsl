// Windows: a float4 that Sample gives, stored in a float3, keeps x, y and z with warning X3206.
// verdict: accepted
// probe: 1 2 3 0
// warning: X3206 implicit truncation of vector type
// group: resources
// texture t0: 2d r32g32b32a32_float 1x1 : 1 2 3 4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample ("Return Value: The texture format"; a Texture2D<float4> gives a float4); fxc's "warning X3206: implicit truncation of vector type" as the corpus's truncation cases quote it
#include "resource_stages.hlsli"
Texture2D<float4> colours : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float3 rgb = colours.Sample(nearest, float2(0.5, 0.5));
    return float4(rgb, 0);
}

// Windows: two samplers the pixel shader uses are bound to the same register.
// verdict: compile-error PSMain X4500
// group: resources
// error text: overlapping register semantics not yet implemented 's0'
// texture t0: 2d r32_float 1x1
// source: fxc's "error X4500: overlapping register semantics not yet implemented 't0'", quoted in error_x4500_one_register_two_textures.hlsl's source; the same rule for the s registers
#include "resource_stages.hlsli"
Texture2D<float> image : register(t0);
SamplerState nearest : register(s0);
SamplerState smooth : register(s0);
float4 PSMain() : SV_Target
{
    return image.Sample(nearest, float2(0.5, 0.5)) + image.Sample(smooth, float2(0.25, 0.25));
}

// Windows: a sampler made in a descriptor heap gives its own border colour, any colour in 0 to 1, outside 0 to 1 with the BORDER address mode; static samplers keep their fixed colours beside it.
// verdict: accepted
// probe: 1 0.25 0.5 1
// group: resources
// texture t0: 2d r32g32b32a32_float 1x1 : 5 6 7 8
// sampler s0: point border heap colour 1,0.25,0.5,1
// sampler s1: point border heap colour 0,0,0,0
// sampler s2: point border white
// source: learn.microsoft.com/windows/win32/api/d3d12/ns-d3d12-d3d12_sampler_desc ("BorderColor: Border color to use if D3D12_TEXTURE_ADDRESS_MODE_BORDER is specified for AddressU, AddressV, or AddressW. Range must be between 0.0 and 1.0 inclusive"); ne-d3d12-d3d12_texture_address_mode ("BORDER: Texture coordinates outside the range [0.0, 1.0] are set to the border color")
#include "resource_stages.hlsli"
Texture2D<float4> colour : register(t0);
SamplerState tinted : register(s0);
SamplerState clear : register(s1);
SamplerState white : register(s2);
float4 PSMain() : SV_Target
{
    float4 inside = colour.Sample(tinted, float2(0.5, 0.5)) - float4(5, 6, 7, 8);
    float4 outside = colour.Sample(tinted, float2(-0.5, 0.5));
    return outside + inside + colour.Sample(clear, float2(0.5, 1.5)) + (colour.Sample(white, float2(1.5, 0.5)) - 1);
}

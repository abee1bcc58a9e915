// Windows: BORDER gives the sampler's border colour outside 0 to 1.
// verdict: accepted
// probe: 1 1 0 4
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point border white
// sampler s1: point border transparent
// source: learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_texture_address_mode ("D3D12_TEXTURE_ADDRESS_MODE_BORDER: Texture coordinates outside the range [0.0, 1.0] are set to the border color"); learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_static_border_color
#include "resource_stages.hlsli"
Texture2D<float4> heights : register(t0);
SamplerState white : register(s0);
SamplerState clear : register(s1);
float4 PSMain() : SV_Target
{
    return float4(heights.Sample(white, float2(1.5, 0.5)).r, heights.Sample(white, float2(0.25, 0.25)).r, heights.Sample(clear, float2(0.5, -0.5)).r, heights.Sample(clear, float2(0.75, 0.75)).r);
}

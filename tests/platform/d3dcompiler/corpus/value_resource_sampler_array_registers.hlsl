// Windows: an array of samplers at register(s0) takes s0 and s1, each element
// its own sampler: outside 0 to 1 the first gives its white border, the
// second its transparent one.
// verdict: accepted
// probe: 1 0 4 4
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point border white
// sampler s1: point border transparent
// source: learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (an array of resources takes consecutive registers from the one given); learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_texture_address_mode ("D3D12_TEXTURE_ADDRESS_MODE_BORDER: Texture coordinates outside the range [0.0, 1.0] are set to the border color")
#include "resource_stages.hlsli"
Texture2D<float4> heights : register(t0);
SamplerState borders[2] : register(s0);
float4 PSMain() : SV_Target
{
    return float4(heights.Sample(borders[0], float2(1.5, 0.5)).r,
                  heights.Sample(borders[1], float2(0.5, -0.5)).r,
                  heights.Sample(borders[0], float2(0.75, 0.75)).r,
                  heights.Sample(borders[1], float2(0.75, 0.75)).r);
}

// Windows: WRAP repeats the texture at every whole coordinate.
// verdict: accepted
// probe: 1 2 3 4
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point wrap
// source: learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_texture_address_mode ("D3D12_TEXTURE_ADDRESS_MODE_WRAP: Tile the texture at every (u,v) integer junction")
#include "resource_stages.hlsli"
Texture2D<float> heights : register(t0);
SamplerState tiled : register(s0);
float4 PSMain() : SV_Target
{
    return float4(heights.Sample(tiled, float2(1.25, 0.25)), heights.Sample(tiled, float2(-0.25, 0.25)), heights.Sample(tiled, float2(0.25, 1.75)), heights.Sample(tiled, float2(-1.25, -0.25)));
}

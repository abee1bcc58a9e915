// Windows: MIRROR_ONCE mirrors a coordinate about 0 once and clamps it past 1, so 2.25 and -1.75 read the last texel where MIRROR would read the first.
// verdict: accepted
// probe: 2 2 1 1
// group: resources
// texture t0: 2d r32_float 2x1 : 1 2
// sampler s0: point mirror_once
// source: learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_texture_address_mode ("D3D12_TEXTURE_ADDRESS_MODE_MIRROR_ONCE: Similar to D3D12_TEXTURE_ADDRESS_MODE_MIRROR and D3D12_TEXTURE_ADDRESS_MODE_CLAMP. Takes the absolute value of the texture coordinate (thus, mirroring around 0), and then clamps to the maximum value")
#include "resource_stages.hlsli"
Texture2D<float> pair : register(t0);
SamplerState once : register(s0);
float4 PSMain() : SV_Target
{
    return float4(pair.Sample(once, float2(2.25, 0.5)), pair.Sample(once, float2(-1.75, 0.5)), pair.Sample(once, float2(0.25, 0.5)), pair.Sample(once, float2(-0.25, 0.5)));
}

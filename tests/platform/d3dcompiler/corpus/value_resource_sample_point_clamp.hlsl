// Windows: a point sampler reads the texel the coordinate falls in; CLAMP holds coordinates outside 0 to 1 at the edge texel.
// verdict: accepted
// probe: 2 4 1 3
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample; learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_texture_address_mode ("D3D12_TEXTURE_ADDRESS_MODE_CLAMP: Texture coordinates outside the range [0.0, 1.0] are set to the texture color at 0.0 or 1.0")
#include "resource_stages.hlsli"
Texture2D<float> heights : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return float4(heights.Sample(nearest, float2(0.75, 0.25)), heights.Sample(nearest, float2(1.5, 0.75)), heights.Sample(nearest, float2(-0.5, 0.25)), heights.SampleLevel(nearest, float2(0.25, 0.75), 0));
}

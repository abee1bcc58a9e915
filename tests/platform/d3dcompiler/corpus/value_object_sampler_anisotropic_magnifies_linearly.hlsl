// Windows: an anisotropic sampler magnifying a texture blends the nearest texels as a linear one does.
// verdict: accepted
// probe: 2 2 1 3
// group: resources
// texture t0: 2d r32_float 2x1 : 1 3
// sampler s0: anisotropic clamp anisotropy 16
// sampler s1: linear clamp
// source: learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_filter ("D3D12_FILTER_ANISOTROPIC: Use anisotropic interpolation for minification, magnification, and mip-level sampling"); ns-d3d12-d3d12_static_sampler_desc ("MaxAnisotropy: Clamping value used if D3D12_FILTER_ANISOTROPIC ... is specified as the filter. Valid values are between 1 and 16")
#include "resource_stages.hlsli"
Texture2D<float> pair : register(t0);
SamplerState sharp : register(s0);
SamplerState smooth : register(s1);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2 uv = float2(0.5, 0.5) + position.xy * 0.001;
    return float4(round(pair.Sample(sharp, uv)), round(pair.Sample(smooth, uv)), pair.SampleLevel(sharp, float2(0.25, 0.5), 0), pair.SampleLevel(sharp, float2(0.75, 0.5), 0));
}

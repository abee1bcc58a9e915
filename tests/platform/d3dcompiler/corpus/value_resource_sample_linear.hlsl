// Windows: a linear sampler weights the four nearest texels by the coordinate's distance from their centres.
// verdict: accepted
// probe: 2.5 1.5 1 3.5
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: linear clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample; learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_filter ("D3D12_FILTER_MIN_MAG_MIP_LINEAR: Use linear interpolation for minification, magnification, and mip-level sampling")
#include "resource_stages.hlsli"
Texture2D<float> heights : register(t0);
SamplerState smooth : register(s0);
float4 PSMain() : SV_Target
{
    return float4(heights.Sample(smooth, float2(0.5, 0.5)), heights.Sample(smooth, float2(0.5, 0.25)), heights.Sample(smooth, float2(0.25, 0.25)), heights.Sample(smooth, float2(0.5, 0.75)));
}

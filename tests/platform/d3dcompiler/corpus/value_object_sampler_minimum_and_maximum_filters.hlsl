// Windows: a MINIMUM or MAXIMUM filter fetches the texels its linear filter would and returns their least or greatest value, leaving out texels of weight 0.
// verdict: accepted
// probe: 1 3 1 3
// group: resources
// texture t0: 2d r32_float 2x1 : 1 3
// sampler s0: minimum clamp
// sampler s1: maximum clamp
// source: learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_filter (D3D12_FILTER_MINIMUM_MIN_MAG_MIP_LINEAR, D3D12_FILTER_MAXIMUM_MIN_MAG_MIP_LINEAR; remarks: "Fetch the same set of texels as the filter type ... and instead of filtering them return the minimum/maximum of the texels. Texels that are weighted 0 during filtering aren't counted"); ne-d3d12-d3d12_filter_reduction_type
#include "resource_stages.hlsli"
Texture2D<float> pair : register(t0);
SamplerState least : register(s0);
SamplerState greatest : register(s1);
float4 PSMain() : SV_Target
{
    return float4(pair.SampleLevel(least, float2(0.5, 0.5), 0), pair.SampleLevel(greatest, float2(0.5, 0.5), 0), pair.SampleLevel(greatest, float2(0.25, 0.5), 0), pair.SampleLevel(least, float2(0.75, 0.5), 0));
}

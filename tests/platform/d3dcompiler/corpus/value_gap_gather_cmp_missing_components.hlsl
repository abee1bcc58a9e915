// Windows: GatherCmpGreen and GatherCmpAlpha of a one-component depth view compare the reference with the components the format lacks, green read as 0 and alpha as 1.
// verdict: accepted
// probe: 15 0 15 12
// group: resources
// stand-in: differ glslang refuses a gather that compares another component than red, and Vulkan's comparing gather reads the first component only
// texture t0: 2d r32_float 2x2 depth-stencil : 0.2 0.4 0.6 0.8
// sampler s0: point clamp less
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-gathercmpgreen, texture2d-gathercmpalpha; learn.microsoft.com/windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion (a format's missing components read as 0, alpha as 1); ne-d3d12-d3d12_comparison_func (LESS)
#include "resource_stages.hlsli"
Texture2D<float> depths : register(t0);
SamplerComparisonState nearer : register(s0);
float4 PSMain() : SV_Target
{
    float4 weights = float4(8, 4, 2, 1);
    float2 centre = float2(0.5, 0.5);
    return float4(dot(depths.GatherCmpGreen(nearer, centre, -0.5), weights), dot(depths.GatherCmpGreen(nearer, centre, 0.5), weights), dot(depths.GatherCmpAlpha(nearer, centre, 0.5), weights), dot(depths.GatherCmp(nearer, centre, 0.5), weights));
}

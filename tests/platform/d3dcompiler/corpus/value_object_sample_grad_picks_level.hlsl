// Windows: SampleGrad takes its level from the gradients it is given: two texels a pixel picks level 1, four level 2.
// verdict: accepted
// probe: 1 10 100 1
// group: resources
// texture t0: 2d r32_float 4x4 mips 3 : 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1  10 10 10 10  100
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplegrad ("DDX: The rate of change of the surface geometry in the x direction"; the level of detail follows from the gradients); learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_filter (MIP_POINT)
#include "resource_stages.hlsli"
Texture2D<float> levels : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float2 uv = float2(0.4, 0.6);
    float2 none = float2(0, 0);
    return float4(levels.SampleGrad(nearest, uv, float2(0.25, 0), none), levels.SampleGrad(nearest, uv, float2(0.5, 0), none), levels.SampleGrad(nearest, uv, none, float2(0, 1)), levels.SampleGrad(nearest, uv, float2(0.01, 0), float2(0, 0.01)));
}

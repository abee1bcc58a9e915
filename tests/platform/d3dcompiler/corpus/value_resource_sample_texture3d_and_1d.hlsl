// Windows: a Texture3D is sampled at a float3 location, a Texture1D at a float.
// verdict: accepted
// probe: 6 3 15 10
// group: resources
// texture t0: 3d r32_float 2x2x2 : 1 2 3 4 5 6 7 8
// texture t1: 1d r32_float 4 : 0 10 20 30
// sampler s0: point clamp
// sampler s1: linear clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample (Texture1D: float; Texture3D: float3)
#include "resource_stages.hlsli"
Texture3D<float> volume : register(t0);
Texture1D<float> row : register(t1);
SamplerState nearest : register(s0);
SamplerState smooth : register(s1);
float4 PSMain() : SV_Target
{
    return float4(volume.Sample(nearest, float3(0.75, 0.25, 0.75)), volume.SampleLevel(nearest, float3(0.25, 0.75, 0.25), 0), row.Sample(smooth, 0.5), row.SampleLevel(smooth, 0.375, 0));
}

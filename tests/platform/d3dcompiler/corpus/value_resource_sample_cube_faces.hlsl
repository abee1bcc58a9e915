// Windows: a TextureCube is read at the face its direction's largest component points to: +X, -X, +Y, -Y, +Z, -Z are slices 0 to 5.
// verdict: accepted
// probe: 1 4 6 2
// group: resources
// texture t0: cube r32_float 1x1 : 1 2 3 4 5 6
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample (TextureCube: float3 direction); learn.microsoft.com/windows/win32/direct3d9/cubic-environment-mapping (the face order) and learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_srv_dimension
#include "resource_stages.hlsli"
TextureCube<float> sky : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return float4(sky.Sample(nearest, float3(1, 0.2, 0.1)), sky.Sample(nearest, float3(0, -1, 0)), sky.SampleLevel(nearest, float3(0, 0, -2), 0), sky.Sample(nearest, float3(-1, 0.2, 0.1)));
}

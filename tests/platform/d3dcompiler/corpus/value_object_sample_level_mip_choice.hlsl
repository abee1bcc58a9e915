// Windows: SampleLevel reads the level it names, the nearest one under a point mip filter, and the last one past the chain.
// verdict: accepted
// probe: 1 10 100 100
// group: resources
// texture t0: 2d r32_float 4x4 mips 3 : 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1  10 10 10 10  100
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplelevel ("LOD: A number that specifies the mipmap level"); learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_filter (MIP_POINT: "point sampling for mip-level sampling")
#include "resource_stages.hlsli"
Texture2D<float> levels : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float2 uv = float2(0.4, 0.6);
    return float4(levels.SampleLevel(nearest, uv, 0), levels.SampleLevel(nearest, uv, 1.2), levels.SampleLevel(nearest, uv, 1.8), levels.SampleLevel(nearest, uv, 9));
}

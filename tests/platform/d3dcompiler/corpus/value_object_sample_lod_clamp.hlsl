// Windows: Sample's and SampleBias's overloads with a level-of-detail clamp sample no finer than the clamp's level; with constant coordinates the derivatives ask for level 0.
// verdict: accepted
// probe: 10 100 1 100
// group: resources
// texture t0: 2d r32_float 4x4 mips 3 : 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1  10 10 10 10  100
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-sample-s-float-int-float- ("Clamp: An optional value to clamp sample level-of-detail (LOD) values to"), texture2d-samplebias-s-float-float-int-float-; learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_filter (MIP_POINT)
#include "resource_stages.hlsli"
Texture2D<float> levels : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float2 uv = float2(0.4, 0.6);
    return float4(levels.Sample(nearest, uv, int2(0, 0), 1.0), levels.Sample(nearest, uv, int2(0, 0), 2.0), levels.Sample(nearest, uv, int2(0, 0), 0.0), levels.SampleBias(nearest, uv, 0.0, int2(0, 0), 1.6));
}

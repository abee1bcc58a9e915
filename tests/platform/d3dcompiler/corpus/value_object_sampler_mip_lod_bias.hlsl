// Windows: a sampler's MipLODBias is added to the level Sample computes from the derivatives and to SampleBias's level.
// verdict: accepted
// probe: 200 100 100 0
// group: resources
// texture t0: 2d r32_float 4x4 mips 3 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15  100 101 102 103  200
// sampler s0: point clamp bias 1
// source: learn.microsoft.com/windows/win32/api/d3d12/ns-d3d12-d3d12_sampler_desc ("MipLODBias: Offset from the calculated mipmap level. For example, if the runtime calculates that a texture should be sampled at mipmap level 3 and MipLODBias is 2, the texture will be sampled at mipmap level 5"); ns-d3d12-d3d12_static_sampler_desc
#include "resource_stages.hlsli"
Texture2D<float> levels : register(t0);
SamplerState biased : register(s0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2 uv = position.xy * 0.5;
    return float4(levels.Sample(biased, uv), levels.Sample(biased, uv * 0.5), levels.SampleBias(biased, uv, -1), levels.Sample(biased, uv * 0.25));
}

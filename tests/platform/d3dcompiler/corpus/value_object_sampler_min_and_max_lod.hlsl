// Windows: a sampler's MinLOD and MaxLOD clamp the level every sampling method reads, SampleLevel's included.
// verdict: accepted
// probe: 100 5 100 200
// group: resources
// texture t0: 2d r32_float 4x4 mips 3 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15  100 101 102 103  200
// sampler s0: point clamp minlod 1
// sampler s1: point clamp maxlod 0
// source: learn.microsoft.com/windows/win32/api/d3d12/ns-d3d12-d3d12_static_sampler_desc ("MinLOD: Lower end of the mipmap range to clamp access to, where 0 is the largest and most detailed mipmap level and any level higher than that is less detailed"; "MaxLOD: Upper end of the mipmap range to clamp access to")
#include "resource_stages.hlsli"
Texture2D<float> levels : register(t0);
SamplerState coarse : register(s0);
SamplerState finest : register(s1);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2 uv = position.xy * 0.5;
    return float4(levels.SampleLevel(coarse, uv, 0), levels.SampleLevel(finest, uv, 2), levels.Sample(coarse, uv * 0.25), levels.SampleLevel(coarse, uv, 2));
}

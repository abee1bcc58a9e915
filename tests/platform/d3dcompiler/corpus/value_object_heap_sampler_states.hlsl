// Windows: a descriptor heap's samplers apply their MinLOD, MipLODBias and MIRROR_ONCE address mode as static samplers do.
// verdict: accepted
// probe: 100 200 2 1
// group: resources
// texture t0: 2d r32_float 4x4 mips 3 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15  100 101 102 103  200
// texture t1: 2d r32_float 2x1 : 1 2
// sampler s0: point clamp heap minlod 1
// sampler s1: point clamp heap bias 1
// sampler s2: point mirror_once heap
// source: learn.microsoft.com/windows/win32/api/d3d12/ns-d3d12-d3d12_sampler_desc ("MipLODBias: Offset from the calculated mipmap level"; "MinLOD: Lower end of the mipmap range to clamp access to"); ne-d3d12-d3d12_texture_address_mode (MIRROR_ONCE: "Takes the absolute value of the texture coordinate (thus, mirroring around 0), and then clamps to the maximum value")
#include "resource_stages.hlsli"
Texture2D<float> levels : register(t0);
Texture2D<float> pair : register(t1);
SamplerState coarse : register(s0);
SamplerState biased : register(s1);
SamplerState once : register(s2);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2 uv = position.xy * 0.5;
    return float4(levels.SampleLevel(coarse, uv, 0), levels.Sample(biased, uv), pair.Sample(once, float2(2.25, 0.5)), pair.Sample(once, float2(-0.25, 0.5)));
}

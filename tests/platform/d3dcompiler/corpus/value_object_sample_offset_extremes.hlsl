// Windows: offsets of -8 and 7, the ends of the immediate range, are taken; a static const offset is a literal, and Load takes the same range.
// verdict: accepted
// probe: 0 3 1 3
// group: resources
// texture t0: 2d r32_float 4x1 : 0 1 2 3
// sampler s0: point clamp
// source: fxc's X4566 range as DirectXShaderCompiler issue 2713 quotes it ("integer literal in the range -8 to 7"; "FXC and DXC are both missing validation against ... offsets that are literal but outside the required range" for Gather); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample (Offset)
#include "resource_stages.hlsli"
Texture2D<float> row : register(t0);
SamplerState nearest : register(s0);
static const int2 kRight = int2(1, 0);
float4 PSMain() : SV_Target
{
    float2 uv = float2(0.375, 0.5);
    return float4(row.Sample(nearest, uv, int2(-8, 0)), row.Sample(nearest, uv, int2(7, 0)), row.Sample(nearest, float2(0.125, 0.5), kRight), row.Load(int3(-4, 0, 0), int2(7, 0)));
}

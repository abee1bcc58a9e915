// Windows: SampleLevel reads the mip level given, clamped to the view's last level.
// verdict: accepted
// probe: 101 200 200 2
// group: resources
// texture t0: 2d r32_float 4x4 mips 3 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15  100 101 102 103  200
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplelevel ("LOD: A number that specifies the mipmap level")
#include "resource_stages.hlsli"
Texture2D<float> levels : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float2 uv = float2(0.6, 0.1);
    return float4(levels.SampleLevel(nearest, uv, 1), levels.SampleLevel(nearest, uv, 2), levels.SampleLevel(nearest, uv, 5), levels.SampleLevel(nearest, uv, 0));
}

// Windows: min, max and clamp of an int or uint vector with scalar bounds
// promote the scalars and compare per component, as integers.
// verdict: accepted
// probe: 5 0 4 -2
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-max, dx-graphics-hlsl-min and dx-graphics-hlsl-clamp (int and uint components) and dx-graphics-hlsl-per-component-math (a scalar is promoted)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    int3 a = max(int3(-1, 5, -7) * one, 0);
    uint2 b = min(uint2(3, 9) * (uint)one, 4u);
    int2 c = clamp(int2(-9, 9) * one, -2, 2);
    return float4(a.y, a.x + a.z, b.y, c.x);
}

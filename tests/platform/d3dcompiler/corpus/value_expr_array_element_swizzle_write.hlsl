// Windows: a swizzle of an array element is an l-value, its components
// written in the swizzle's order.
// verdict: accepted
// probe: 7 6 5 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (swizzles as l-values)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float4 rows[2];
    rows[0] = 0;
    rows[1] = float4(0, 0, 0, 1) * one;
    rows[1].zy = float2(5, 6) * one;
    rows[1].x = 7;
    return rows[1];
}

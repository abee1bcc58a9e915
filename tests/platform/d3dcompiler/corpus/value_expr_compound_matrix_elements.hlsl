// Windows: compound assignments to matrix element swizzles, rows and single
// elements change just those components.
// verdict: accepted
// probe: 11 6 2 24
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix swizzles such as _11_22 are l-values; m[row] is a row vector)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 m = float2x2(1, 2, 3, 4) * one;
    m._11_22 += float2(10, 20);
    m[1].x -= 1;
    m._12 *= 3;
    return float4(m._11, m._12, m._21, m._22);
}

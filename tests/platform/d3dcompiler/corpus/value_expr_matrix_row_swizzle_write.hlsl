// Windows: a matrix row indexed and swizzled is an l-value.
// verdict: accepted
// probe: 6 5 3 4
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (m[row] is a row vector; swizzles as l-values)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 m = float2x2(1, 2, 3, 4) * one;
    m[0].yx = float2(5, 6) * one;
    return float4(m[0], m[1]);
}

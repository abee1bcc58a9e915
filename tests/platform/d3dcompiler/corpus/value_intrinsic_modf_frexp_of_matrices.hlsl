// Windows: modf and frexp take a matrix and write an out matrix of its shape:
// modf(-1.25) is -0.25 with -1 as the integer part, frexp(8) the mantissa 0.5
// with the exponent 4 and frexp(3) 0.75 with 2.
// verdict: accepted
// probe: -0.25 -1 0.5 6
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-modf ("x: scalar, vector, or matrix"; ip "same dimension(s) as input x"; each part "has the same sign as x") and dx-graphics-hlsl-frexp (the mantissa and exponent of x, same dimensions)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 m = float2x2(2.75, -1.25, 8, 3) * one;
    float2x2 whole;
    float2x2 fraction = modf(m, whole);
    float2x2 exponent;
    float2x2 mantissa = frexp(m, exponent);
    return float4(fraction._12, whole._12, mantissa._21, exponent._21 + exponent._22);
}

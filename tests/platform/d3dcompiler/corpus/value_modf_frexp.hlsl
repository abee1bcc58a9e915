// Windows: modf splits x into parts with x's sign; frexp gives a mantissa in
// [0.5, 1) and the exponent as a float.
// verdict: accepted
// probe: -0.5 -2 0.5 4
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-modf ("each of which has the same sign as x") and dx-graphics-hlsl-frexp
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float whole;
    float fraction = modf(-position.x * 5.0, whole); // -2.5
    float exponent;
    float mantissa = frexp(position.x * 16.0, exponent); // 8
    return float4(fraction, whole, mantissa, exponent);
}

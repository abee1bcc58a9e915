// Windows: frexp of 0 gives 0 for both the mantissa and the exponent; of
// -8 the mantissa is -0.5 and the exponent 4.
// verdict: accepted
// probe: 0 0 -0.5 4
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-frexp ("If the x parameter is 0, this function returns 0 for both the mantissa and the exponent")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float e0;
    float e1;
    float m0 = frexp(zero, e0);
    float m1 = frexp(-position.x * 16.0, e1);
    return float4(m0, e0, m1, e1);
}

// Windows: step(y, x) is 1 only when x >= y, so a NaN on either side gives 0.
// verdict: accepted
// probe: 0 0 1 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-step ("1 if the x parameter is greater than or equal to the y parameter; otherwise, 0") and windows/win32/direct3d11/floating-point-rules ("The comparisons EQ, GT, GE, LT, and LE, when either or both operands is NaN returns FALSE")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float nan = asfloat(0x7FC00000u | asuint(zero)); // a quiet NaN
    return float4(step(0.0, nan), step(nan, 1.0), step(zero, position.x), step(position.x, zero));
}

// Windows: frexp of a vector splits each component, the exponents in a
// float vector.
// verdict: accepted
// probe: 0.75 2 -0.5 -1
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-frexp (x and exp of any vector size; the mantissa in [0.5, 1) by magnitude)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float2 exponents;
    float2 mantissas = frexp(float2(h * 6.0, -h * 0.5), exponents);
    return float4(mantissas.x, exponents.x, mantissas.y, exponents.y);
}

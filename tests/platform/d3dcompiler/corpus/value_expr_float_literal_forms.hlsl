// Windows: float literals may start or end with the point, carry an exponent
// with or without a sign, and take a suffix after the exponent.
// verdict: accepted
// probe: 0.5 5 0.01 5
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (fractional-constant: digit-sequence? . digit-sequence, digit-sequence .; exponent-part: e or E, sign?, digits; floating-suffix)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(.5f * one, 5. * one, 1e-2 * one, 0.5e+1h * one);
}

// Windows: a float literal may have digits on one side of the point only and
// an exponent with or without a sign, in either case of e.
// verdict: accepted
// probe: 50 15 5 0.2
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (fractional-constant: digit-sequence . or . digit-sequence; exponent-part: e or E, an optional sign, a digit sequence)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(5.e1 * one, 1.5E+1 * one, .5e1 * one, 2e-1f * one);
}

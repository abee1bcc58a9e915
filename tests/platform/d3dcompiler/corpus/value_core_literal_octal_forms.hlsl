// Windows: a leading 0 makes an integer literal octal (0100 is 64, 017 is
// 15), a lone 0 is zero, and a float literal with a leading 0 stays decimal.
// verdict: accepted
// probe: 64 15 0 10.5
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (integer-constant "0# (octal number)"; float literals decimal)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    return float4(0100 * one, 017 * one, 00 * one, 010.5 * one);
}

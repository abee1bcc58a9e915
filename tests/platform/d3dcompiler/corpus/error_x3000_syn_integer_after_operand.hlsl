// Windows: an integer right after an operand, with no operator between.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: (8,14-14): error X3000: syntax error: unexpected integer constant
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); fxc's "syntax error: unexpected token 'x'" form as quoted in Tint's test expectations
float Shade(float y)
{
    return y 2;
}
#include "shade_stages.hlsli"

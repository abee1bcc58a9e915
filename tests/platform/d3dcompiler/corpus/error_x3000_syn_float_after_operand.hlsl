// Windows: a float right after an operand, with no operator between.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: (8,14-16): error X3000: syntax error: unexpected float constant
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); fxc's "syntax error: unexpected token 'x'" form as quoted in Tint's test expectations
float Shade(float y)
{
    return y 2.5;
}
#include "shade_stages.hlsli"

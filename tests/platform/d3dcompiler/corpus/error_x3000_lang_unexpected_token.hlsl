// Windows: an operator with no right operand is a syntax error naming the
// token that came instead.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected token ';'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); fxc's "syntax error: unexpected token" words as quoted in public issue threads
float Shade(float y)
{
    return y +;
}
#include "shade_stages.hlsli"

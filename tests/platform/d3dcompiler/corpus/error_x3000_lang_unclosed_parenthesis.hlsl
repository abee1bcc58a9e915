// Windows: a parenthesis left open meets the statement's semicolon.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected token ';'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error)
float Shade(float y)
{
    return (y * 2.0;
}
#include "shade_stages.hlsli"

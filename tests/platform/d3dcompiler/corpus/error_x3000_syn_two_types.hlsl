// Windows: a type written twice in a declaration.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected token 'float'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); fxc's "syntax error: unexpected token 'x'" form as quoted in Tint's test expectations
float Shade(float y)
{
    float float x = y;
    return x;
}
#include "shade_stages.hlsli"

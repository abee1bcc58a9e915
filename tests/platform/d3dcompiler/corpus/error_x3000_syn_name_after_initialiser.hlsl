// Windows: a second name right after an initialiser's name.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: (8,17-17): error X3000: syntax error: unexpected token 'y'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); fxc's "syntax error: unexpected token 'x'" form as quoted in Tint's test expectations
float Shade(float y)
{
    float x = y y;
    return x;
}
#include "shade_stages.hlsli"

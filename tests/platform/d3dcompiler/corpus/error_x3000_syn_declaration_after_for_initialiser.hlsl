// Windows: a for statement's first clause is one declaration or one expression;
// a declaration after an expression's comma is a syntax error.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected token 'int'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for (for ( [initializer]; ...))
float Shade(float y)
{
    int i;
    float r = 0.0;
    for (i = 0, int j = 0; i < 2; ++i)
        r += y;
    return r;
}
#include "shade_stages.hlsli"

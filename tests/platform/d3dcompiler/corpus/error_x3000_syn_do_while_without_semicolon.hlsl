// Windows: a do-while statement's ';' is missing before the next statement.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected token 'return'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-do (do { ... } while (condition);)
float Shade(float y)
{
    float r = y;
    do
    {
        r *= 0.5;
    } while (r > 1.0)
    return r;
}
#include "shade_stages.hlsli"

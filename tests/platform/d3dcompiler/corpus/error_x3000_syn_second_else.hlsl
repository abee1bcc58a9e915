// Windows: a second else after an if's else.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected token 'else'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); fxc's "syntax error: unexpected token 'x'" form as quoted in Tint's test expectations
float Shade(float y)
{
    float r = 0.0;
    if (y > 0.0)
        r = 1.0;
    else
        r = 2.0;
    else
        r = 3.0;
    return r;
}
#include "shade_stages.hlsli"

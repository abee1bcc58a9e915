// Windows: an else with no if before it.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected token 'else'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-if (else follows an if statement); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error)
float Shade(float y)
{
    float r = y;
    else r = 0.0;
    return r;
}
#include "shade_stages.hlsli"

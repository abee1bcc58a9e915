// Windows: a statement keyword used as a variable's name.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected token 'return'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-keywords (return is a keyword)
float Shade(float y)
{
    float return = y;
    return y;
}
#include "shade_stages.hlsli"

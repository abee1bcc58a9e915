// Windows: ?: with nothing after the '?'.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: (8,20-20): error X3000: syntax error: unexpected token ';'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (the conditional operator's three operands)
float Shade(float y)
{
    return y > 0 ? ;
}
#include "shade_stages.hlsli"

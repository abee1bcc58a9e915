// Windows: a local read on a line before its declaration is undeclared there.
// verdict: compile-error PSMain X3004
// group: declarations
// error text: undeclared identifier 'later'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (a variable is declared before use); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3004: undeclared identifier)
float Shade(float y)
{
    float first = later * 2.0;
    float later = y;
    return first + later;
}
#include "shade_stages.hlsli"

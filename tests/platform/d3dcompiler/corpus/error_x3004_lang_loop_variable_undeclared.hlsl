// Windows: a for statement's variable used without a declaration.
// verdict: compile-error PSMain X3004
// group: statements
// error text: undeclared identifier 'i'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for; learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3004: undeclared identifier)
float Shade(float y)
{
    float sum = 0.0;
    for (i = 0; i < 3; ++i)
        sum += y;
    return sum;
}
#include "shade_stages.hlsli"

// Windows: a function called before its definition, with no declaration
// before the call, is an undeclared identifier there.
// verdict: compile-error PSMain X3004
// group: functions
// error text: undeclared identifier 'Later'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax (a function is declared before it is called, or prototyped); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3004: undeclared identifier)
float Shade(float y)
{
    return Later(y);
}
float Later(float y)
{
    return y * 2.0;
}
#include "shade_stages.hlsli"

// Windows: two functions that call each other recurse, which no shader may.
// verdict: compile-error PSMain X3500
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax ("Recursion is not allowed"); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3500: recursive functions are not allowed)
float Even(float y);
float Odd(float y)
{
    return y <= 0.0 ? 0.0 : Even(y - 1.0);
}
float Even(float y)
{
    return y <= 0.0 ? 1.0 : Odd(y - 1.0);
}
float Shade(float y)
{
    return Even(y);
}
#include "shade_stages.hlsli"

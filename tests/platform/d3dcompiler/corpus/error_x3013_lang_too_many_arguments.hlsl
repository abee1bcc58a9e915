// Windows: a call with more arguments than the function takes.
// verdict: compile-error PSMain X3013
// group: functions
// error text: 'Scale': no matching 3 parameter function
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3013: no matching function); the "no matching N parameter function" form as for fewer arguments
float Scale(float a, float b)
{
    return a * b;
}
float Shade(float y)
{
    return Scale(y, 2.0, 3.0);
}
#include "shade_stages.hlsli"

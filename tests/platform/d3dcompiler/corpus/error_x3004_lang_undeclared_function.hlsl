// Windows: a call of a function nothing declares names an undeclared
// identifier.
// verdict: compile-error PSMain X3004
// group: functions
// error text: undeclared identifier 'Brighten'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3004: undeclared identifier)
float Shade(float y)
{
    return Brighten(y);
}
#include "shade_stages.hlsli"

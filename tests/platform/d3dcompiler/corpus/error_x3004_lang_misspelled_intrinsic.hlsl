// Windows: a misspelled intrinsic names nothing declared.
// verdict: compile-error PSMain X3004
// group: functions
// error text: (8,12-20): error X3004: undeclared identifier 'normalise'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3004: undeclared identifier); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-normalize (the intrinsic's name)
float Shade(float y)
{
    return normalise(float3(y, 1.0, 0.0)).x;
}
#include "shade_stages.hlsli"

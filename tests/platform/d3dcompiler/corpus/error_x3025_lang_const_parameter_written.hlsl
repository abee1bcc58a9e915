// Windows: a const parameter is read-only in the body.
// verdict: compile-error PSMain X3025
// group: functions
// error text: l-value specifies const object
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (const: the parameter cannot be written); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3025: l-value specifies const object)
float Shade(const float y)
{
    y = y * 2.0;
    return y;
}
#include "shade_stages.hlsli"

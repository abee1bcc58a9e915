// Windows: an array's size is a constant.
// verdict: compile-error PSMain X3058
// group: types
// error text: array dimensions must be literal scalar expressions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax ([Array_Size]: a literal or static const integer); fxc's "X3058: array dimensions must be literal scalar expressions"
float Shade(float y)
{
    int count = int(y) + 2;
    float values[count];
    values[0] = y;
    return values[0];
}
#include "shade_stages.hlsli"

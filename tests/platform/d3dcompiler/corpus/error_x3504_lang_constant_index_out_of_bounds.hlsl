// Windows: a literal index past a local array's end.
// verdict: compile-error PSMain X3504
// group: types
// error text: array index out of bounds
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3504: array index out of bounds)
float Shade(float y)
{
    float values[2] = { y, 1.0 };
    return values[2];
}
#include "shade_stages.hlsli"

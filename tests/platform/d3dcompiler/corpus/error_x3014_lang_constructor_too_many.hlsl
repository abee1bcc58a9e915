// Windows: a vector constructor given more components than its size.
// verdict: compile-error PSMain X3014
// group: types
// error text: incorrect number of arguments to numeric-type constructor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3014: incorrect number of arguments to numeric-type constructor)
float Shade(float y)
{
    float2 v = float2(y, 1.0, 2.0);
    return v.x;
}
#include "shade_stages.hlsli"

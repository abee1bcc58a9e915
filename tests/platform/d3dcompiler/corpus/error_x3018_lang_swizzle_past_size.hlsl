// Windows: a float2 has no third component.
// verdict: compile-error PSMain X3018
// group: types
// error text: invalid subscript 'z'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (a swizzle names components the vector has); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3018: invalid subscript)
float Shade(float y)
{
    float2 v = float2(y, 0.5);
    return v.z;
}
#include "shade_stages.hlsli"

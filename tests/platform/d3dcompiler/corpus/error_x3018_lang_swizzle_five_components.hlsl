// Windows: a swizzle names at most four components.
// verdict: compile-error PSMain X3018
// group: types
// error text: invalid subscript 'xxxxx'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (swizzles of one to four components); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3018: invalid subscript)
float Shade(float y)
{
    float4 v = float4(y, 0.5, 0.25, 1.0);
    return v.xxxxx.x;
}
#include "shade_stages.hlsli"

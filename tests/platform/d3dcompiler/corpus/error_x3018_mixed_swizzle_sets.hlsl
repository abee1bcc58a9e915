// Windows: a swizzle takes its names from one set, xyzw or rgba.
// verdict: compile-error PSMain X3018
// group: types
// error text: invalid subscript 'xg'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("You cannot mix the two naming sets"); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3018: invalid subscript)
float Shade(float y)
{
    float4 v = float4(y, 0.5, 0.25, 1.0);
    return v.xg.x;
}
#include "shade_stages.hlsli"

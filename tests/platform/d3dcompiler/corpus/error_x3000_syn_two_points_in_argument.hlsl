// Windows: "2.5.25f" in a constructor's arguments reads as 2.5 followed by
// the float .25f.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected float constant
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (a floating-point literal: digits, one point, digits, an optional exponent and suffix); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error)
float Shade(float y)
{
    float2 pair = float2(2.5.25f, y);
    return pair.x;
}
#include "shade_stages.hlsli"

// Windows: "1.0.5" reads as 1.0 followed by the float .5.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected float constant
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); fxc's "syntax error: unexpected token 'x'" form as quoted in Tint's test expectations
float Shade(float y)
{
    return y * 1.0.5;
}
#include "shade_stages.hlsli"

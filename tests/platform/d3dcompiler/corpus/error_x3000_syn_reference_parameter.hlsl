// Windows: HLSL has no references; a parameter passes back through inout.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected token '&'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (in, out, inout; no references)
float Twice(inout float &x)
{
    x *= 2.0;
    return x;
}
float Shade(float y)
{
    return Twice(y);
}
#include "shade_stages.hlsli"

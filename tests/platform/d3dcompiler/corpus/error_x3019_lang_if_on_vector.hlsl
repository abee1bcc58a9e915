// Windows: an if statement's condition is a scalar; a vector is refused.
// verdict: compile-error PSMain X3019
// group: statements
// error text: if statement conditional expressions must evaluate to a scalar
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-if (a scalar condition); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3019); fxc's words "if statement conditional expressions must evaluate to a scalar" with number 3019, as ReShade's effect compiler repeats them and DirectXShaderCompiler's tests check them
float Shade(float y)
{
    float2 v = float2(y, 1.0);
    if (v)
        return 1.0;
    return y;
}
#include "shade_stages.hlsli"

// Windows: a const variable must be initialised where it is declared; a const
// local without a value is refused.
// verdict: compile-error PSMain -
// group: declarations
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax ("const: Mark a variable that cannot be changed by a shader, therefore, it must be initialized in the variable declaration"); fxc's words for it were not found
float Shade(float y)
{
    const float scale;
    return y * scale;
}
#include "shade_stages.hlsli"

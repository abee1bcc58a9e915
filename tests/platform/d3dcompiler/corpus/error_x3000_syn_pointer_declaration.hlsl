// Windows: HLSL has no pointers.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected token '*'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (no pointer declarators)
float Shade(float y)
{
    float *p;
    return y;
}
#include "shade_stages.hlsli"

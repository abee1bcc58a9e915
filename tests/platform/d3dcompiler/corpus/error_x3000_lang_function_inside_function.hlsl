// Windows: HLSL has no nested functions; a definition inside a body is a
// syntax error at its parameter list.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected token '{'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax (functions are declared at global scope); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error)
float Shade(float y)
{
    float Inner(float x)
    {
        return x;
    }
    return Inner(y);
}
#include "shade_stages.hlsli"

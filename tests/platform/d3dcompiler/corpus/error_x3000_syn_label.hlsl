// Windows: HLSL has no labels; a name and a colon start no statement.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected token ':'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-statements (the statements HLSL has; no labelled statement)
float Shade(float y)
{
done:
    return y;
}
#include "shade_stages.hlsli"

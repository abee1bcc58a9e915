// Windows: 'new' is a reserved word, which no HLSL construct takes.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: 'new'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-reserved-words (reserved words HLSL does not take); the parser meets a token it has no rule for: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error)
float Shade(float y)
{
    float x = new float;
    return y;
}
#include "shade_stages.hlsli"

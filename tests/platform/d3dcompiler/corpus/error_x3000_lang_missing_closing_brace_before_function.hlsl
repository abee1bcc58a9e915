// Windows: a function whose closing brace is missing swallows the next
// function's header, where the parser stops.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected token '{'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error)
float Half(float y)
{
    return y * 0.5;

float Shade(float y)
{
    return Half(y);
}
#include "shade_stages.hlsli"

// Windows: a function whose closing brace is missing runs into the end of
// the file.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected end of file
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); fxc's "unexpected end of file" words for an unclosed block
float Shade(float y);
#include "shade_stages.hlsli"
float Shade(float y)
{
    if (y > 0.0)
    {
        return y;
    }
    return 0.0;

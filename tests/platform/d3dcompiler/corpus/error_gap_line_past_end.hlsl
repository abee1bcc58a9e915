// Windows: #line may number lines past the file's own count; the line after it
// takes the number, and an error there names it.
// verdict: compile-error PSMain X3004
// group: preprocessor
// error text: error_gap_line_past_end.hlsl(5000,
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-line ("#line line-number": the line number of the next line)
float Shade(float y)
{
#line 5000
    return y * missingFactor;
}
#include "shade_stages.hlsli"

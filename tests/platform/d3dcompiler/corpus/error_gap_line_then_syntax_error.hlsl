// Windows: a syntax error after #line N "name" names that file and line.
// verdict: compile-error PSMain X3000
// group: preprocessor
// error text: other.hlsl(40,
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-line ("#line line-number "filename"")
float Shade(float y)
{
#line 40 "other.hlsl"
    float x = y y;
    return x;
}
#include "shade_stages.hlsli"

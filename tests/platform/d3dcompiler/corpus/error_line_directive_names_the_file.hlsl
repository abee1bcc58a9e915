// Windows: after #line N "name", errors name that file and count from N.
// verdict: compile-error PSMain X3004
// group: preprocessor
// error text: renamed.hlsl(200
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-line ("#line line-number "filename"": the compiler's line number and file name for what follows)
float Shade(float y)
{
#line 200 "renamed.hlsl"
    return y * missingFactor;
}
#include "shade_stages.hlsli"

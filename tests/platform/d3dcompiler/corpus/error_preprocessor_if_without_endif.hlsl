// Windows: an #if without its #endif is an error.
// verdict: compile-error PSMain -
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if ("each #if directive in a source file must be matched by a closing #endif directive")
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"
#if 1
float Unused(float y)
{
    return y;
}

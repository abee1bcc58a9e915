// Windows: a directive the preprocessor does not know stops the compile.
// verdict: compile-error PSMain -
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-preprocessor (the directives HLSL's preprocessor takes); C99 6.10 (any other is no directive); Windows' number for it was not found
#frobnicate 1
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"

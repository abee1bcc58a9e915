// Windows: #pragma message inside a function body prints and compiles.
// verdict: accepted
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma ("#pragma message" among the pragmas the compiler takes); a directive may stand on any line
float Shade(float y)
{
#pragma message("inside Shade")
    return y;
}
#include "shade_stages.hlsli"

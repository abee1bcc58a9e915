// Windows: #pragma message prints its text while compiling, and the shader
// compiles.
// verdict: accepted
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma ("#pragma message" among the pragmas the compiler takes)
#pragma message("building the demo's shader")
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"

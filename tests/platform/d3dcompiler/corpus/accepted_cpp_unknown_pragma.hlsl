// Windows: an unknown #pragma is ignored with a warning, and the shader
// compiles.
// verdict: accepted-with-warning X3568
// warning: X3568 unknown pragma ignored
// group: preprocessor
// stand-in: differ glslang ignores an unknown pragma without a warning
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma (the pragmas the compiler knows); the warning's number and words as Unity's HLSLSupport.cginc names it (#pragma warning (disable : 3568) // unknown pragma ignored)
#pragma optimize_everything
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"

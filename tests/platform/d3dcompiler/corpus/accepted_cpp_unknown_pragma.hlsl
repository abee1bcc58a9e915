// Windows: an unknown #pragma is ignored with a warning, and the shader
// compiles.
// verdict: accepted
// warning: X3568 'optimize_everything' : unknown pragma ignored
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma (the pragmas the compiler knows); the warning's number and words as Unity's HLSLSupport.cginc names it (#pragma warning (disable : 3568) // unknown pragma ignored); the form of the line, the pragma named first, as fxc writes its other named warnings
#pragma optimize_everything
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"

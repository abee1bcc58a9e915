// Windows: an #else with no #if before it.
// verdict: compile-error PSMain -
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if (#else belongs to an #if, #ifdef or #ifndef)
float Shade(float y)
{
#else
    return y;
}
#include "shade_stages.hlsli"

// Windows: an #elif after the #else of its #if.
// verdict: compile-error PSMain -
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if (#elif directives come between #if and #else; C's grammar of conditional inclusion); Windows' number for it was not found
#define LEVEL 2
#if LEVEL == 1
#define SCALE 1.0
#else
#define SCALE 2.0
#elif LEVEL == 2
#define SCALE 3.0
#endif
float Shade(float y)
{
    return y * SCALE;
}
#include "shade_stages.hlsli"

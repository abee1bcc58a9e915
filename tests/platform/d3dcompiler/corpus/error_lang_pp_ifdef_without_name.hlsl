// Windows: #ifdef names the macro it tests; without a name it is an error.
// verdict: compile-error PSMain -
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-ifdef ("#ifdef identifier"); Windows' number for it was not found
#ifdef
#define SCALE 2.0
#endif
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"

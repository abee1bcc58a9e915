// Windows: a division by zero in an #if expression stops the compile.
// verdict: compile-error PSMain -
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if (an integer constant expression, as C's, whose division by zero is an error); Windows' number and words for it were not found
#define DIVISOR 0
#if 4 / DIVISOR
#define QUOTIENT 1
#endif
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"

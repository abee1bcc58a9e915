// Windows: break outside a loop or switch.
// verdict: compile-error PSMain -
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-break ("Exit the surrounding loop (do, for, while) or switch statement"); Windows' number for it was not found
float Shade(float y)
{
    if (y > 0.0)
        break;
    return 0.5 + 0.5 * y;
}
#include "shade_stages.hlsli"

// Windows: break outside a loop or switch.
// verdict: compile-error PSMain X3518
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-break ("Exit the surrounding loop (do, for, while) or switch statement"); hlsl-errors-and-warnings (ERR_BREAK_OUTSIDE_LOOP, 3518: "A break must be inside a loop"; fxc's own words were not found, so the line is the page's)
float Shade(float y)
{
    if (y > 0.0)
        break;
    return 0.5 + 0.5 * y;
}
#include "shade_stages.hlsli"

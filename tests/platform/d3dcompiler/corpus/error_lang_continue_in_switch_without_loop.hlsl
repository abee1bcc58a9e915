// Windows: continue inside a switch that no loop holds.
// verdict: compile-error PSMain -
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-continue ("Stop executing the current loop (do, for, while)"); a switch is no loop; Windows' number for it was not found
float Shade(float y)
{
    float r = y;
    switch (int(y))
    {
    case 0:
        r = 1.0;
        continue;
    default:
        r = 2.0;
        break;
    }
    return r;
}
#include "shade_stages.hlsli"

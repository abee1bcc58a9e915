// Windows: continue outside any loop, here in a helper the loop's caller calls: functions are
// inlined, but the statement must stand inside a loop of its own function.
// verdict: compile-error PSMain X3519
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_CONTINUE_OUTSIDE_LOOP, 3519: "A continue must be inside a loop"; fxc's own words were not found, so the line is the page's); dx-graphics-hlsl-continue ("Stop executing the current loop (do, for, while)")
float Step(float y)
{
    if (y < 0.0)
        continue;
    return y;
}
float Shade(float y)
{
    float sum = 0.0;
    for (int i = 0; i < 4; i++)
        sum += Step(y - i);
    return sum;
}
#include "shade_stages.hlsli"

// Windows: a for loop without a condition whose only breaks stand in a switch: each leaves the
// switch, not the loop, so the loop never exits.
// verdict: compile-error PSMain -
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_INFINITE_LOOP, 3696, and ERR_LOOP_NEVER_BREAKS, 4029: "An infinite loop was detected so the loop never exits"); dx-graphics-hlsl-break ("Exit the surrounding loop (do, for, while) or switch statement"): the nearest one
float Shade(float y)
{
    float sum = 0.0;
    int turn = 0;
    for (;;)
    {
        switch (turn % 2)
        {
        case 0: sum += y; break;
        default: sum -= y; break;
        }
        turn++;
    }
    return sum;
}
#include "shade_stages.hlsli"

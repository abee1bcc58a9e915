// Windows: a while loop whose condition is the literal true and whose body has no break or return
// never exits, which the compiler refuses.
// verdict: compile-error PSMain -
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_INFINITE_LOOP, 3696, and ERR_LOOP_NEVER_BREAKS, 4029: "An infinite loop was detected so the loop never exits"; the page gives both numbers, so either is taken); dx-graphics-hlsl-while
float Shade(float y)
{
    float sum = 0.0;
    while (true)
    {
        sum += y;
    }
    return sum;
}
#include "shade_stages.hlsli"

// Windows: [unroll] without a count on a loop of literal bounds that runs 2000 times: the compiler
// gives up unrolling past 1024 iterations and asks for [unroll(n)].
// verdict: compile-error PSMain X3511
// group: attributes
// error text: unable to unroll loop, loop does not appear to terminate in a timely manner
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_CANT_UNROLL, 3511: "The loop is unable to unroll, the loop doesn't appear to terminate in a timely manner (in the specified number of iterations), or the unrolled loop is too large. Use the [unroll(n)] attribute to force an exact higher number."); fxc's words as shader-slang issue 6273 quotes them ("error X3511: unable to unroll loop, loop does not appear to terminate in a timely manner (557 iterations) or unrolled loop is too large, use the [unroll(n)] attribute to force an exact higher number")
float Shade(float y)
{
    float sum = 0.0;
    [unroll] for (int i = 0; i < 2000; i++)
        sum += y * 0.0005;
    return sum;
}
#include "shade_stages.hlsli"

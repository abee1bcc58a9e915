// Windows: gradient operations in loops the compiler can unroll compile (literal bounds, a bound the
// pixel's input sets under [unroll(n)] or beside a literal one after &&), and a loop of varying count
// holding no gradient operation compiles as it is.
// verdict: accepted
// probe: 3 2 4 2
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (WAR_GRADIENT_MUST_UNROLL, 3570: "A gradient instruction is used in a loop with varying iteration, which forces the loop to unroll"; ERR_CANT_UNROLL, 3511); fxc's output for such a loop as public engine notes quote it ("warning X3570: gradient instruction used in a loop with varying iteration, attempting to unroll the loop" then "error X3511: unable to unroll loop, loop does not appear to terminate in a timely manner (523 iterations)"); dx-graphics-hlsl-for (unroll(x): "Can optionally specify the maximum number of times the loop is to execute")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    int count = (int)(one * 2.0);
    float slopes = 0, forced = 0, levels = 0, bounded = 0;
    for (int i = 0; i < 3; i++)
        slopes += abs(ddx(position.x)) * one;
    [unroll(4)] for (int k = 0; k < count; k++)
        forced += 1 + ddy(position.y) * 0;
    for (int m = 0; m < count * 2; m++)
        levels += one;
    for (int b = 0; b < count && b < 3; b++)
        bounded += 1 + ddx(position.x) * 0;
    return float4(slopes, forced, levels, bounded);
}

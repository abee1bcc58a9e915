// Windows: a helper taking ddx, called in a loop whose count comes from the pixel's input: functions
// are inlined, so the derivative stands in a loop of varying count, which cannot be unrolled.
// verdict: compile-error PSMain X3511
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (WAR_GRADIENT_MUST_UNROLL, 3570: "A gradient instruction is used in a loop with varying iteration, which forces the loop to unroll"; ERR_CANT_UNROLL, 3511); fxc's output for such a loop as public engine notes quote it ("warning X3570: gradient instruction used in a loop with varying iteration, attempting to unroll the loop" then "error X3511: unable to unroll loop, loop does not appear to terminate in a timely manner (523 iterations)"); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax (functions are inlined)
float Slope(float value)
{
    return abs(ddx(value));
}
float4 PSMain(float4 position : SV_Position, nointerpolation uint count : COUNT) : SV_Target
{
    float sum = 0;
    uint i = 0;
    while (i < count)
    {
        sum += Slope(position.x * i);
        i++;
    }
    return sum;
}

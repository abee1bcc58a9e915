// Windows: Sample takes its level of detail from derivatives, so a loop holding one must be unrolled;
// a loop counted by a constant the program sets cannot be, and the compile fails.
// verdict: compile-error PSMain X3511
// group: statements
// error text: unable to unroll loop
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (WAR_GRADIENT_MUST_UNROLL, 3570: "A gradient instruction is used in a loop with varying iteration, which forces the loop to unroll"; ERR_CANT_UNROLL, 3511); fxc's output for such a loop as public engine notes quote it ("warning X3570: gradient instruction used in a loop with varying iteration, attempting to unroll the loop" then "error X3511: unable to unroll loop, loop does not appear to terminate in a timely manner (523 iterations)")
// texture t0: 2d r32g32b32a32_float 1x1
// sampler s0: point clamp
cbuffer Taps : register(b1)
{
    int tapCount;
};
Texture2D<float4> source : register(t0);
SamplerState pointSampler : register(s0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float4 sum = 0;
    for (int i = 0; i < tapCount; i++)
        sum += source.Sample(pointSampler, position.xy * 0.01 + i * 0.001);
    return sum;
}

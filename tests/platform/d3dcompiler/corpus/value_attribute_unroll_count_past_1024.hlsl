// Windows: [unroll(n)] forces a count past the 1024 iterations a bare [unroll] stops at, as the
// X3511 message advises; a loop of 1000 literal iterations unrolls with a bare [unroll].
// verdict: accepted
// probe: 1100 1000 1 1
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_CANT_UNROLL, 3511: "Use the [unroll(n)] attribute to force an exact higher number"); dx-graphics-hlsl-for (unroll(x): "Unroll the loop until it stops executing. Can optionally specify the maximum number of times the loop is to execute")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float many = 0, exact = 0;
    [unroll(1100)] for (int i = 0; i < 1100; i++)
        many += one;
    [unroll] for (int k = 0; k < 1000; k++)
        exact += one;
    return float4(many, exact, one, 1);
}

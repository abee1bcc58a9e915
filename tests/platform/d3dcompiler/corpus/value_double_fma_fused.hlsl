// Windows: fma of doubles rounds once, after the sum: (1 + 2^-30)(1 - 2^-30) - 1
// keeps its -2^-60, which a product rounded first to 1 would lose.
// verdict: accepted
// probe: -1 0 2 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-fma ("double fma(double a, double b, double c)"; "fused multiply-add": "a * b + c" with "infinite precision" before rounding)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double one = (double)(position.x * 2.0);
    double e = 9.313225746154785e-10L;
    double fused = fma(one + e, one - e, -one);
    double2 pair = fma(double2(one, 0.5L), double2(2.0L, 2.0L), double2(0.0L, 0.0L));
    return float4((float)(fused * 1152921504606846976.0L), (float)(one * 0.0L), (float)pair.x, (float)pair.y);
}

// Windows: fma of doubles rounds once, so fma(a, a, -p) with p the rounded
// product a * a gives the product's exact rounding error: for a = 1 + 2^-27
// that is 2^-54, which an unfused multiply and add would give as 0; vectors
// are fused per component.
// verdict: accepted
// probe: 1 1 -1 3.5
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-fma ("fused multiply-add"; "a * b + c" computed with "infinite precision" before the one rounding) and dfma--sm5---asm-
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double one = (double)(position.x * 2.0);
    double a = (1.0L + 7.450580596923828125e-9L) * one;
    double p = a * a;
    double error = fma(a, a, -p);
    double2 pair = fma(double2(a, a), double2(a, -a), double2(-p, p));
    double scale = 18014398509481984.0L; // 2^54
    return float4((float)(error * scale), (float)(pair.x * scale), (float)(pair.y * scale),
                  (float)fma(one, 3.0L, 0.5L));
}

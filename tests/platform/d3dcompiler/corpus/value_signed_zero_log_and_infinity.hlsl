// Windows: sqrt(-0) is -0; the log of a negative number is NaN; comparisons
// with INF are right; rcp(-0) is -INF.
// verdict: accepted
// probe: 2147483648 1 1 4286578688
// group: values
// source: learn.microsoft.com/windows/win32/direct3d11/floating-point-rules ("sqrt(-0) produces -0"; "log of a negative value (other than -0) produces NaN"; "Comparisons of any non-NaN value against +/- INF return the correct result"; "Divide by 0 produces +/- INF")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float minusZero = asfloat(asuint(zero) | 0x80000000u);
    float inf = asfloat(0x7F800000u | asuint(zero));
    bool compared = 1e38 < inf && -inf < -1e38;
    return float4(asuint(sqrt(minusZero)), isnan(log(-position.x)), compared, asuint(rcp(minusZero)));
}

// Windows: rsqrt(0) and 1/0 are +INF, log(0) is -INF, rsqrt(-0) is -INF.
// verdict: accepted
// probe: 2139095040 4286578688 2139095040 4286578688
// group: values
// source: learn.microsoft.com/windows/win32/direct3d11/floating-point-rules ("Divide by 0 produces +/- INF"; "log of (+/-) 0 produces -INF"; "rsq(-0) produces -INF")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float minusZero = asfloat(asuint(zero) | 0x80000000u);
    return float4(asuint(rsqrt(zero)), asuint(log(zero)), asuint(1.0 / zero), asuint(rsqrt(minusZero)));
}

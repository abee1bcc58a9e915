// Windows: a division by zero gives +INF or -INF (NaN for 0 / 0) even where
// the divisor is an expression the optimiser can prove zero (h - h).
// verdict: accepted
// probe: 2139095040 4286578688 2139095040 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3d11/floating-point-rules ("Divide by 0 produces +/- INF, except 0/0 which results in NaN")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float zero = h - h;
    return float4(asuint((2.0 - h) / zero), asuint(-(h + 1) / zero), asuint(1 / (h - h)),
                  isnan(zero / zero));
}

// Windows: -0 keeps its sign bit through a product with a positive value
// and 1 / -0 is -INF; -0 + 0 is +0, so 1 / (-0 + 0) is +INF.
// verdict: accepted
// probe: 2147483648 4286578688 2147483648 2139095040
// group: values
// source: learn.microsoft.com/windows/win32/direct3d11/floating-point-rules ("Divide by 0 produces +/- INF", otherwise IEEE-754 results, whose signed zeros give these signs)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float minusZero = asfloat(asuint(zero) | 0x80000000u);
    return float4(asuint(minusZero * position.x), asuint(1.0 / minusZero),
                  asuint(minusZero * 3.0), asuint(1.0 / (minusZero + zero)));
}

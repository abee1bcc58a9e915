// Windows: conversions the compiler folds give what the GPU gives: floats
// out of an integer's range saturate, negatives become 0u, whether cast,
// constructed or assigned.
// verdict: accepted
// probe: 2147483647 0 -2147483648 4294967295
// group: values
// source: learn.microsoft.com/windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion (Float -> Integer: out-of-range values clamp to the nearest representable value)
#include "probe_stages.hlsli"
static const int kHuge = (int)1.0e10;
static const uint kNegative = (uint)-1.5;
static const uint kAssigned = -2.5f;
float4 PSMain() : SV_Target
{
    int low = (int)(-3.0e9);
    return float4(kHuge, kNegative + kAssigned, low, uint(5.0e9));
}

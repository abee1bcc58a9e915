// Windows: comparisons with NaN are false but for !=, which is true.
// verdict: accepted
// probe: 1 0 0 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3d11/floating-point-rules ("The comparisons EQ, GT, GE, LT, and LE, when either or both operands is NaN returns FALSE"; "The comparison NE, when either or both operands is NaN returns TRUE")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float nan = asfloat(0x7FC00000u | asuint(zero)); // a quiet NaN
    return float4(nan != nan, nan == nan, nan < 1.0, !(nan >= 1.0));
}

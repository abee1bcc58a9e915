// Windows: min and max with one NaN operand return the other operand.
// verdict: accepted
// probe: 2 3 4 -1
// group: values
// source: learn.microsoft.com/windows/win32/direct3d11/floating-point-rules ("Min or max operations where only one operand is NaN return the other operand as the result")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float nan = asfloat(0x7FC00000u | asuint(zero)); // a quiet NaN
    return float4(min(nan, 2.0), max(nan, 3.0), min(4.0, nan), max(-1.0, nan));
}

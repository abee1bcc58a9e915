// Windows: NaN converts to 0 for int and uint alike, and out-of-range
// values clamp; clamp of NaN is its lower bound (max then min).
// verdict: accepted
// probe: 0 0 -2147483648 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion (Float -> Integer: "NaN is converted to 0"; values out of range clamp) and windows/win32/direct3d11/floating-point-rules (min or max with one NaN operand returns the other)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float nan = asfloat(0x7FC00000u | asuint(zero)); // a quiet NaN
    float huge = position.x * -1.0e20;
    return float4((int)nan, (uint)nan, (int)huge, clamp(nan, 1.0, 2.0));
}

// Windows: min and max of two NaNs give NaN; of a NaN and a number, the
// number.
// verdict: accepted
// probe: 1 1 2 -3
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/windows/win32/direct3d11/floating-point-rules ("Min or max operations where only one operand is NaN return the other operand"; both NaN: NaN)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float nan = asfloat(0x7FC00000u | asuint(zero));
    float2 pair = float2(nan, position.x * 4.0);
    return float4(isnan(min(nan, nan)), isnan(max(nan, nan)), max(pair, nan).y, min(-3.0, pair).x);
}

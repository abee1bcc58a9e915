// Windows: min16float computes at 16 bits or more; values a half holds
// exactly (small integers, halves and quarters) come out the same at any
// precision the driver picks.
// verdict: accepted
// probe: 2.5 0.75 -6.5 12
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/using-hlsl-minimum-precision ("min16float: minimum 16-bit floating point value"; the driver may use greater precision) and dx-graphics-hlsl-scalar
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    min16float one = position.x * 2.0;
    min16float a = 1.5 * one + one;
    min16float2 v = min16float2(0.5, 0.25) * one;
    min16float b = -a - a - one;
    min16float4 w = min16float4(a, v, b);
    return float4(w.x, w.y + w.z, w.w - 0.5, (float)(a * 4.0 + 2.0));
}

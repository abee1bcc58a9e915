// Windows: saturate of NaN is 0.
// verdict: accepted
// probe: 0 0 1 0.5
// group: values
// source: learn.microsoft.com/windows/win32/direct3d11/floating-point-rules (min and max with one NaN operand return the other; saturate is max(0, min(1, x)) under those rules) and dx-graphics-hlsl-saturate
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float nan = asfloat(0x7FC00000u | asuint(zero)); // a quiet NaN
    float4 v = float4(nan, -nan, 2.0, position.x);
    return saturate(v);
}

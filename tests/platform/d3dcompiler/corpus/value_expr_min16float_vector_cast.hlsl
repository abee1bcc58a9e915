// Windows: casts between minimum-precision and full-precision vectors keep
// values that both hold.
// verdict: accepted
// probe: 0.5 1.5 -2 1
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (minimum precisions compute at that precision or more) and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-conversions
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    min16float2 h = (min16float2)(float2(0.5, 1.5) * one);
    min16int k = (min16int)(-2.75 * one);
    return float4((float2)h, k, 1);
}

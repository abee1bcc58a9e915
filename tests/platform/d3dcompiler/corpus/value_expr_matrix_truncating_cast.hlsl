// Windows: a 3x3 matrix cast to a 2x2 keeps its upper left corner.
// verdict: accepted
// probe: 1 2 4 5
// group: conversions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-conversions (matrix truncation keeps the upper-left components)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float3x3 big = float3x3(1, 2, 3, 4, 5, 6, 7, 8, 9) * one;
    float2x2 small = (float2x2)big;
    return float4(small._11, small._12, small._21, small._22);
}

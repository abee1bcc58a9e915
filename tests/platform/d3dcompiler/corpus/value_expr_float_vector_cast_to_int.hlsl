// Windows: a float vector cast to int3 converts each component toward zero.
// verdict: accepted
// probe: -1 2 3 1
// group: conversions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-conversions (float to integer truncates toward zero, per component)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    int3 i = (int3)(float3(-1.5, 2.5, 3.9) * one);
    return float4(i, 1);
}

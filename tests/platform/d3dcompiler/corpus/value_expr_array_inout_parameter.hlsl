// Windows: an array inout parameter takes the caller's values in and gives
// the changed ones back.
// verdict: accepted
// probe: 2 4 5 7
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (inout: copied in and back out)
#include "probe_stages.hlsli"
void Grow(inout float2 pairs[2])
{
    pairs[0] *= 2;
    pairs[1] = pairs[0] + pairs[1];
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2 pairs[2] = { float2(1, 2) * one, float2(3, 3) * one };
    Grow(pairs);
    return float4(pairs[0], pairs[1]);
}

// Windows: out parameters take the values the function last wrote to them,
// whatever the caller held before; a function may write several.
// verdict: accepted
// probe: 3 4 7 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters ("out: Output only data. The parameter value is copied back to the caller")
#include "probe_stages.hlsli"
void Split(float value, out float low, out float high)
{
    low = 0;
    high = 0;
    low = value - 1.0;
    high = value;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float a = 100, b = 100;
    Split(4.0 * one, a, b);
    float2 v = float2(100, 100);
    Split(4.0 * one, v.y, v.x);
    return float4(a, b, a + b, v.x - v.y);
}

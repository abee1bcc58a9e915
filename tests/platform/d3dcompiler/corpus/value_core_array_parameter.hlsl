// Windows: an array parameter is copied in; writes to it in the function do
// not reach the caller's array, and an out array is copied back.
// verdict: accepted
// probe: 6 1 9 3
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters ("parameters are passed by value"; out copied back)
#include "probe_stages.hlsli"
float Sum(float values[3])
{
    values[0] = 100;
    return values[1] + values[2] + 1;
}
void Fill(out float values[3], float first)
{
    values[0] = first;
    values[1] = first * 2.0;
    values[2] = first * 3.0;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float a[3] = { one, 2.0 * one, 3.0 * one };
    float s = Sum(a);
    float b[3];
    Fill(b, 3.0 * one);
    return float4(s, a[0], b[2], b[0]);
}

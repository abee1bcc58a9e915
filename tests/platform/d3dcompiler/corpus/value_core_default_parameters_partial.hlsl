// Windows: parameters with default values may be left out from the end of a
// call, the values given filling the parameters from the left.
// verdict: accepted
// probe: 111 121 321 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters ("Parameters can have default values ... used if the parameter is not provided")
#include "probe_stages.hlsli"
float Digits(float a, float b = 1.0, float c = 100.0)
{
    return a + 10.0 * b + c;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(Digits(one), Digits(one, 2.0 * one), Digits(one, 2.0, 300.0), one);
}

// Windows: functions of one name differ by their parameters' count and types;
// each call takes the overload its arguments match exactly.
// verdict: accepted
// probe: 1 2 3 4
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax (functions may be overloaded by their parameters)
#include "probe_stages.hlsli"
float Pick(float a)
{
    return 1.0;
}
float Pick(float2 a)
{
    return 2.0;
}
float Pick(float a, float b)
{
    return 3.0;
}
float Pick(int a)
{
    return 4.0;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    int whole = (int)one;
    return float4(Pick(one), Pick(float2(one, one)), Pick(one, one), Pick(whole));
}

// Windows: a static local keeps its value from one call to the next, and two
// functions' statics of one name are separate variables.
// verdict: accepted
// probe: 3 20 1 2
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax ("static: ... For local variables, the value persists from call to call")
#include "probe_stages.hlsli"
float CountA()
{
    static float count = 0;
    count += 1;
    return count;
}
float CountB()
{
    static float count = 0;
    count += 10;
    return count;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float first = CountA();
    CountA();
    CountB();
    float second = CountB();
    float third = CountA();
    return float4(third * one, second, first, third - first);
}

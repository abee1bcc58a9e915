// Windows: a void function may return early from inside a loop or branch;
// what it wrote to an out or inout parameter before stays.
// verdict: accepted
// probe: 6 3 1 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-return ("return" ends a function, with no value in a void one) and dx-graphics-hlsl-function-parameters (inout)
#include "probe_stages.hlsli"
void SumUntil(inout float total, float limit)
{
    for (int i = 1; i < 10; ++i)
    {
        if (total >= limit)
            return;
        total += i;
    }
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float a = 0;
    SumUntil(a, 5.0 * one);
    float b = 3.0 * one;
    SumUntil(b, 2.0);
    return float4(a, b, one, 1);
}

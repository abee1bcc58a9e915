// Windows: a class that implements no interface is a type like a structure:
// a local of it holds its members and calls its methods.
// verdict: accepted
// probe: 5 10 1 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class ("A class can inherit from zero or one class and zero or more interfaces")
#include "probe_stages.hlsli"
class Accumulator
{
    float total;
    float Add(float x)
    {
        total += x;
        return total;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Accumulator acc;
    acc.total = 0;
    acc.Add(2.0 * one);
    float five = acc.Add(3.0 * one);
    return float4(five, acc.Add(five), one, 1);
}

// Windows: a bool in arithmetic or a comparison with an int is promoted to
// int (true is 1), so 2 == true is false, true / 2 is the int 0 and
// true + true is 2; a uint divided by an int literal stays integer.
// verdict: accepted
// probe: 0 0 2 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (bool converts to 1 or 0 in integer arithmetic) and dx-graphics-hlsl-operators (the usual arithmetic conversions: the operands take the wider type)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    int two = 2 * (int)one;
    bool yes = one > 0.0;
    float equal = two == yes;
    float quotient = yes / 2;
    uint three = 3u * (uint)one;
    return float4(equal, quotient, yes + yes, three / 2);
}

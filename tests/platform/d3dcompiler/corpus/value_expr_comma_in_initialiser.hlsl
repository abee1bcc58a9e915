// Windows: a parenthesised comma expression evaluates each operand in turn and
// gives the last one's value.
// verdict: accepted
// probe: 2 6 1 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (the comma operator: "evaluate left to right")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float t = 0;
    float x = (t = one * 2, t * 3);
    return float4(t, x, one, 1);
}

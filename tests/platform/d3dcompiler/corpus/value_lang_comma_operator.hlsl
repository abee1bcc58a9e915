// Windows: the comma operator evaluates left to right and gives its right
// operand; a for statement's parts may hold several expressions.
// verdict: accepted
// probe: 3 2 4 6
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (comma operator: "evaluates the expressions from left to right; the value is the rightmost") and dx-graphics-hlsl-for
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float b = 0.0;
    float a = (b = 2.0 + position.x * 0.0, b + 1.0);
    int i;
    int j;
    int steps = 0;
    for (i = 0, j = 8; i < j; i += 1, j -= 1)
    {
        steps += 1;
    }
    return float4(a, b, steps, i + 2);
}

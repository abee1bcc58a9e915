// Windows: an assignment is an expression whose value is the value assigned,
// so it may stand as a condition and inside other expressions.
// verdict: accepted
// probe: 1 3 3 6
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (assignment operators yield the assigned value, as in C)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float a = 0.0;
    float taken = 0.0;
    if (a = position.x * 2.0)
        taken = 1.0;
    float b;
    float c;
    b = c = 3.0;
    float d = (a = 6.0);
    return float4(taken, b, c, d);
}

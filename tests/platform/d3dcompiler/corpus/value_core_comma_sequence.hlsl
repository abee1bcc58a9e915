// Windows: the comma operator evaluates its operands left to right and gives
// the last; the assignments on its left have happened by then.
// verdict: accepted
// probe: 1 2 3 6
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (comma operator "," "evaluates ... from left to right", the value of the last)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float a, b, c;
    float last = (a = one, b = a + one, c = a + b, a + b + c);
    return float4(a, b, c, last);
}

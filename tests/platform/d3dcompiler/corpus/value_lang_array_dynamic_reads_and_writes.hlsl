// Windows: a local array and a static array are written and read through
// indexes computed at run time, in loops and outside them.
// verdict: accepted
// probe: 14 3 30 34
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (arrays; static globals) and dx-graphics-hlsl-for
#include "probe_stages.hlsli"
static float s_table[4];
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = int(position.x * 2.0);
    float values[5];
    for (int k = 0; k < 5; k++)
    {
        values[k] = k * k * one; // 0 1 4 9 16
    }
    values[one + 3] -= 2;        // 14
    values[(int)values[one] + 1] = 3; // values[2]
    for (int s = 0; s < 4; s++)
    {
        s_table[(s + one) % 4] = s * 10; // s_table[1] 0, [2] 10, [3] 20, [0] 30
    }
    int last = 0;
    for (int t = 0; t < 4; t++)
    {
        last += (int)values[t] * t; // 0 + 1 + 6 + 27
    }
    return float4(values[4], values[2], s_table[one - 1], last);
}

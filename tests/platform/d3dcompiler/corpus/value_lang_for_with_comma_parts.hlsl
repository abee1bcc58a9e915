// Windows: a for statement's initialiser may declare two variables and its
// step may be a comma expression updating both.
// verdict: accepted
// probe: 5 5 5 0
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for (initialiser, condition and step as in C) and dx-graphics-hlsl-operators (the comma operator)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = int(position.x * 2.0);
    int meetings = 0;
    int lastI = 0;
    int lastJ = 0;
    for (int i = 0, j = 10 * one; i < j; i++, j--)
    {
        meetings++;
        lastI = i + 1;
        lastJ = j - 1;
    }
    return float4(meetings, lastI, lastJ, 0);
}

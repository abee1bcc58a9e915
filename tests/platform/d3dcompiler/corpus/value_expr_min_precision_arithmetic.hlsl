// Windows: the minimum-precision types compute values in their range exactly:
// integer division truncates toward zero, unsigned remainder.
// verdict: accepted
// probe: 1.75 -3 1 49
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (min16float, min10float, min16int, min12int, min16uint: minimum precisions, computed at that precision or more)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    min16float a = 0.5 * one;
    min10float b = 1.25;
    min16int i = -7 * (int)one;
    min12int j = i / 2;
    min16uint u = 9 * (uint)one;
    return float4(a + b, j, u % 4, i * i);
}

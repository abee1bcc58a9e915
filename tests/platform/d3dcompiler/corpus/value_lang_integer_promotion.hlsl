// Windows: int and uint operands make uint, int and float make float, and
// an integer division of literals truncates toward zero.
// verdict: accepted
// probe: 3 -3 1 4294967295
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (the usual arithmetic conversions of C apply) and dx-graphics-hlsl-scalar
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int seven = 7 + int(position.x * 0.0);
    int a = seven / 2;
    int b = -seven / 2;
    float c = seven / 7.0;
    uint d = (uint)(seven - 8);
    return float4(a, b, c, d);
}

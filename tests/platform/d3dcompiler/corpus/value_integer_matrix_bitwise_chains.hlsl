// Windows: &, | and ^ on integer matrices apply component by component and,
// like their scalar forms, group from the left: a & b & c is (a & b) & c.
// verdict: accepted
// probe: 8 15 5 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (bitwise operators "on a per-component basis"; "Operator precedence and associativity": left to right) and dx-graphics-hlsl-per-component-math
#include "probe_stages.hlsli"
float4 PSMain() : SV_Target
{
    int2x2 a = int2x2(12, 10, 7, 3);
    int2x2 b = int2x2(10, 6, 3, 1);
    int2x2 c = int2x2(9, 1, 1, 2);
    int2x2 x = a & b & c;
    int2x2 y = a | b | c;
    int2x2 z = a ^ b ^ c;
    return float4(x[0].x, y[0].y, z[1].x, (a | b | c | ~a)[1].y == -1 ? 3 : 0);
}

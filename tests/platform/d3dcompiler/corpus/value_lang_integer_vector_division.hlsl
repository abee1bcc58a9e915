// Windows: / on int vectors truncates each quotient toward zero and %
// gives each remainder the dividend's sign; uint vectors divide unsigned.
// verdict: accepted
// probe: -6 -9 4 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (arithmetic operators on integers, per component) and udiv--sm4---asm-
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = int(position.x * 2.0);
    int2 a = int2(-7, 7) * one;
    int2 b = int2(2, -2);
    int2 q = a / b; // -3 -3
    int2 r = a % b; // -1 1
    uint2 u = uint2(7, 9) * (uint)one;
    return float4(q.x + q.y, r.x * 10 + r.y, (u / 2u).y, (u % 4u).x);
}

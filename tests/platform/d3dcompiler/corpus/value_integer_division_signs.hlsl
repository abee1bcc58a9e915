// Windows: signed integer division truncates toward zero; % on integers of
// the same sign gives the remainder with the dividend's sign.
// verdict: accepted
// probe: -3 1 -1 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators ("The % operator is defined only in cases where either both sides are positive or both sides are negative"; the arithmetic operators on integers as in C)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int minusSeven = (int)(-position.x * 14.0); // -7
    int two = (int)(position.x * 4.0);          // 2
    return float4(minusSeven / two, -minusSeven % two, minusSeven % -two, minusSeven / -two);
}

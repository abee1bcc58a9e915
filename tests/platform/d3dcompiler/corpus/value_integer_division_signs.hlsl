// Windows: signed integer division truncates toward zero, and the remainder
// takes the dividend's sign.
// verdict: accepted
// probe: -3 -1 1 -1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators ("The modulus operator returns the remainder of a division"; "%" on integers as in C, "the sign of the result is the same as the sign of the dividend" is stated for floats by dx-graphics-hlsl-fmod)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int minusSeven = (int)(-position.x * 14.0); // -7
    int two = (int)(position.x * 4.0);          // 2
    return float4(minusSeven / two, minusSeven % two, -minusSeven % -two, minusSeven % -two);
}

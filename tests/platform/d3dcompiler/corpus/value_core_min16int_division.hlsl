// Windows: min16int and min12int are signed integers: division truncates
// toward zero and the remainder takes the dividend's sign; min16uint is
// unsigned.
// verdict: accepted
// probe: -3 -1 7 2
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/using-hlsl-minimum-precision (min16int, min12int: signed; min16uint: unsigned) and dx-graphics-hlsl-operators (integer division and % as in C)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    min16int one = (min16int)(position.x * 2.0);
    min16int a = -7 * one;
    min12int b = -7 * one;
    min16uint c = 15u * (min16uint)one;
    min16uint d = 2u;
    return float4(a / 2, b % 2, c / d, c % 13u);
}

// Windows: 0xFFFFFFFF is a uint's largest value, 0777 is octal 511, 0XAB is
// 171, and 0x80000000 in an int is its least value.
// verdict: accepted
// probe: 0 511 171 -2147483648
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (integer literals: decimal, 0x hexadecimal, leading 0 octal)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint one = (uint)(position.x * 2.0);
    uint big = 0xFFFFFFFF;
    int octal = 0777;
    int least = 0x80000000;
    return float4(big + one, octal * one, 0XAB * one, least * (int)one);
}

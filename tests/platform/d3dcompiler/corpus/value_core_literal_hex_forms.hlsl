// Windows: hexadecimal literals take 0x or 0X and digits in either case, with
// or without the u suffix.
// verdict: accepted
// probe: 255 171 16 4095
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (integer-constant "0x# (hex number)", integer-suffix u U l L); hexadecimal as C writes it
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    return float4(0XFF * one, (0xABcdEF >> 16) * one, 0x10u * (uint)one, 0xfffU & (0xFFFF * one));
}

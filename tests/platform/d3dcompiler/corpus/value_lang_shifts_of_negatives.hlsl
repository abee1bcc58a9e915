// Windows: >> of a negative int is arithmetic (rounds toward negative
// infinity), << shifts its two's complement bits, and a uint conversion
// shifts in zeros.
// verdict: accepted
// probe: -5 -2 -36 15
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/ishr--sm4---asm- ("shifts in the sign bit"), ishl--sm4---asm- and ushr--sm4---asm- (zeros shifted in)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int minusNine = -9 * int(position.x * 2.0);
    return float4(minusNine >> 1, minusNine >> 3, minusNine << 2, (uint)minusNine >> 28);
}

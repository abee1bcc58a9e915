// Windows: >> of a negative int shifts in its sign, of a uint zeros; an int
// product wraps at 32 bits; bools add as 0 and 1, and ! of a float is its
// test against 0.
// verdict: accepted
// probe: -4 2147483644 0 2
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (bitwise and arithmetic operators on int and uint), ishr--sm4---asm- ("shifts in the sign bit") and ushr--sm4---asm-, imul--sm4---asm- (low 32 bits)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    int minusEight = -8 * one;
    uint asUnsigned = (uint)minusEight;
    bool yes = position.x > 0.0;
    return float4(minusEight >> 1, asUnsigned >> 1 & 0x7FFFFFFFu, 65536 * 65536 * one,
                  yes + yes + !(position.x * 2.0));
}

// Windows: countbits and firstbitlow of ints read their two's complement
// bits; reversebits of an int converts it to uint.
// verdict: accepted
// probe: 32 3 2147483648 31
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-countbits, firstbitlow ("Gets the location of the first set bit starting from the lowest order bit") and reversebits (uint)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    return float4(countbits(-one), firstbitlow(-8 * one), reversebits(one), countbits(0x7FFFFFFF * one));
}

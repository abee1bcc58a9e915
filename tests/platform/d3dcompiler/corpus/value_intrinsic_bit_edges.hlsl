// Windows: reversebits(1) is the top bit, countbits of all ones 32,
// firstbitlow of the top bit 31 and firstbithigh of 1 is 0.
// verdict: accepted
// probe: 2147483648 32 31 0
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/reversebits, countbits, firstbitlow and firstbithigh (bit 0 the lowest)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    int one = (int)(position.x * 2.0);
    return float4(reversebits(1u + zero), countbits(0xFFFFFFFFu - zero),
                  firstbitlow(0x80000000u | zero), firstbithigh(one));
}

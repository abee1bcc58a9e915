// Windows: countbits counts set bits, reversebits mirrors the 32 bits.
// verdict: accepted
// probe: 8 2147483648 32 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/countbits and reversebits ("Reverses the order of the bits, per component")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint one = (uint)(position.x * 2.0);
    int minusOne = -(int)one;
    return float4(countbits(one * 0xF0F0u), reversebits(one), countbits(minusOne),
                  reversebits(one << 31));
}

// Windows: firstbithigh and firstbitlow give 0xFFFFFFFF (-1 for int) when no
// bit matches; for a negative int, firstbithigh finds the first 0 from the top.
// verdict: accepted
// probe: 4294967295 4294967295 2 -1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/firstbithigh ("For a signed integer, the first significant bit is zero for a negative number") and firstbit--sm5---asm- ("All variants of the instruction return ~0 (0xffffffff in 32-bit register) if no match is found")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    int minusEight = (int)(-position.x * 16.0);
    int minusOne = (int)(-position.x * 2.0);
    return float4(firstbithigh(zero), firstbitlow(zero), firstbithigh(minusEight),
                  firstbithigh(minusOne));
}

// Windows: shift counts use only their low five bits (a shift by 33 is a shift by 1).
// verdict: accepted
// probe: 2 4 1 -2
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/ishl--sm4---asm- and ushr--sm4---asm- ("This instruction uses only the 5 least significant bits of src1")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int count = (int)(position.x * 66.0); // 33
    uint ucount = (uint)count + 32u;      // 65
    int one = (int)(position.x * 2.0);    // 1
    return float4(one << count, (uint)one << (ucount + 1u), 8u >> (uint)(count + 34), -4 >> count);
}

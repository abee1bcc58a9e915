// Windows: f32tof16 puts the half's bits in the low 16 bits of a uint;
// f16tof32 reads them back.
// verdict: accepted
// probe: 15360 49152 0.333251953 65504
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/f32tof16 and f16tof32 (float16 in the low 16 bits) and f32tof16--sm5---asm- ("placed in LSB 16 bits")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    return float4(f32tof16(position.x * 2.0), f32tof16(-position.x * 4.0),
                  f16tof32(0x3555u + zero), f16tof32(0x7BFFu | zero));
}

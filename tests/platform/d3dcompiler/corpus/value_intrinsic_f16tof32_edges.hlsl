// Windows: f16tof32 reads the low 16 bits only; the half INF is INF, a
// half denormal is kept, and the half -0 is -0.
// verdict: accepted
// probe: 2139095040 864026624 2147483648 1
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/f16tof32--sm5---asm- ("float16 value in the LSB 16 bits") and windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion (lower to higher range: INF stays INF, denorms convert)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    return float4(asuint(f16tof32(0x7C00u | zero)), asuint(f16tof32(0x0001u | zero)),
                  asuint(f16tof32(0x8000u | zero)), f16tof32(0x12343C00u | zero));
}

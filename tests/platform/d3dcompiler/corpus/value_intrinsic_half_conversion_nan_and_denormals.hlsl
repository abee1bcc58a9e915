// Windows: a half NaN reads back as a float NaN and a float NaN converts
// to a half NaN; a float denormal is flushed to a zero of its sign first;
// 65520, halfway past the largest half, still converts to 65504 (toward zero).
// verdict: accepted
// probe: 1 1 32768 31743
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/f16tof32--sm5---asm- and f32tof16--sm5---asm- ("follows D3D rules for floating-point conversion"), windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion (NaN to NaN; round-to-zero) and windows/win32/direct3d11/floating-point-rules (float32 denorms flushed, sign kept)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    float nan = asfloat(0x7FC00000u | zero);
    uint halfNan = f32tof16(nan);
    bool isHalfNan = (halfNan & 0x7C00u) == 0x7C00u && (halfNan & 0x03FFu) != 0u;
    return float4(isnan(f16tof32(0x7E00u | zero)), isHalfNan, f32tof16(asfloat(0x80011111u | zero)),
                  f32tof16(position.x * 131040.0));
}

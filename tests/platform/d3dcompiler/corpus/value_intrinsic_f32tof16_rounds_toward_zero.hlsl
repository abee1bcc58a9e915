// Windows: f32tof16 follows Direct3D's float conversion rules: rounding
// toward zero, a value past the half's range giving the largest finite
// half (not INF), and a half denormal kept.
// verdict: accepted
// probe: 31743 15360 16 64511
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/f32tof16--sm5---asm- ("follows D3D rules for floating-point conversion") and windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion ("Round-to-zero is used during conversion to another float format"; values past the range give "the maximum representable value ... NOT including signed infinity"; denorms kept)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float big = 140000.0 * h;                 // 70000
    float justAbove = 1.0 + h * 0.00146484375; // 1 + 2^-11 + 2^-12
    float tiny = h * 1.9073486328125e-06;      // 2^-20
    return float4(f32tof16(big), f32tof16(justAbove), f32tof16(tiny), f32tof16(-big));
}

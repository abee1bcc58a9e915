// Windows: mad of uints wraps at 32 bits; of float vectors it is m * a + b
// per component.
// verdict: accepted
// probe: 5 7 3.5 1
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-mad (float and int components) and umad--sm5---asm- (low 32 bits)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    float h = position.x;
    float2 f = mad(float2(h, h * 4.0), float2(4.0, 1.5), float2(5.0, 0.5));
    return float4(mad(0x80000000u + zero, 2u, 5u), f.x, f.y, mad(1u + zero, 1u, 0u));
}

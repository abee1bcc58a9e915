// Windows: msad4 adds to each accumulator the masked sum of absolute
// differences of the reference bytes and the source bytes at offsets 0 to 3.
// verdict: accepted
// probe: 1 6 11 16
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-msad4 (reference, source uint2, accum uint4) and msad--sm5---asm- (reference bytes of 0 are skipped)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    uint4 r = msad4(0x04030201u + zero, uint2(0x04030201u, 0x08070605u), uint4(1, 2, 3, 4));
    return float4(r);
}

// Windows: -1 given to a uint is 4294967295 (modulo 2^32), so shifting it
// right by 28 gives 15.
// verdict: accepted
// probe: 15 1 1 1
// group: conversions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-conversions (int to uint keeps the bits) and learn.microsoft.com/windows/win32/direct3dhlsl/ushr--sm4---asm- (logical shift right)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint one = (uint)(position.x * 2.0);
    uint u = -1;
    return float4((u * one) >> 28, one, 1, 1);
}

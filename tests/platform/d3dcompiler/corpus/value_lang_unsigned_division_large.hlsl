// Windows: uint division and remainder are unsigned for values above
// 2^31; a uint compared with an int compares unsigned.
// verdict: accepted
// probe: 1431655808 0 1 2147483648
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/udiv--sm4---asm- (unsigned quotient and remainder) and dx-graphics-hlsl-operators (mixed int and uint operands compute as uint)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint one = uint(position.x * 2.0);
    uint big = 0xFFFFFFFFu * one;
    int minusOne = -1 * (int)one;
    return float4(big / 3u, big % 3u, minusOne > one, (float)(big / 2u + 1u));
}

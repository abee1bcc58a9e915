// Windows: 32-bit integer arithmetic wraps: abs and negation of the most
// negative int give it back, and one below it is the largest int.
// verdict: accepted
// probe: -2147483648 -2147483648 2147483647 -1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("int: 32-bit signed integer") and ineg--sm4---asm- (two's complement negation of the 32 bits)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int lowest = asint(0x80000000u | (uint)(position.x - 0.5));
    return float4(abs(lowest), -lowest, lowest - 1, sign(lowest));
}

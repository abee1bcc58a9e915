// Windows: min and max of uints compare unsigned (0xFFFFFFFF is the
// largest); of ints, signed; clamp of ints stays integer.
// verdict: accepted
// probe: 1 1 -3 -5
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-min and dx-graphics-hlsl-max (float and int components), umin--sm4---asm- and imin--sm4---asm-; dx-graphics-hlsl-clamp
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    uint big = 0xFFFFFFFFu - zero;
    uint one = 1u + zero;
    int minusSeven = (int)(-position.x * 14.0);
    return float4(min(big, one), max(big, one) == 0xFFFFFFFFu, max(minusSeven, -3),
                  clamp(minusSeven, -5, 5));
}

// Windows: dot of int or uint vectors multiplies and adds integers, so it
// wraps at 32 bits instead of rounding as floats would.
// verdict: accepted
// probe: 15 1 -12 0
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-dot ("float or int" components, the return type is the component type); imad--sm5---asm- keeps the low 32 bits
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    uint zero = (uint)(position.x - 0.5);
    int2 a = int2(65536, 3) * one;
    uint2 u = uint2(0xFFFFFFFFu, 2u) + zero;
    return float4(dot(a, int2(65536, 5)), dot(u, uint2(1, 1)), dot(int3(-1, 2, -3) * one, int3(4, 5, 6)), 0);
}

// Windows: minimum-precision integer vectors compute per component as int and
// uint vectors do, bitwise operators included.
// verdict: accepted
// probe: 3 12 -2 255
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/using-hlsl-minimum-precision (min16int, min12int, min16uint and their vectors) and dx-graphics-hlsl-operators (bitwise operators on integers)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    min16uint one = (min16uint)(position.x * 2.0);
    min16uint2 u = min16uint2(7, 12) * one;
    min12int2 s = min12int2(-5, 3) * (min12int)one;
    min16uint mask = (0xF0u | 0x0Fu) * one;
    return float4(u.x & 3u, u.y, s.x / 2, mask);
}

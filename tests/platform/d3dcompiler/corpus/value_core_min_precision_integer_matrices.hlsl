// Windows: min16int, min12int and min16uint matrices hold integers: division
// truncates, and indexing and arithmetic work as on int and uint matrices.
// verdict: accepted
// probe: -3 7 2 12
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/using-hlsl-minimum-precision (min16int, min12int, min16uint and their vector and matrix forms) and dx-graphics-hlsl-matrix (matrices of any scalar type)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    min16int one = (min16int)(position.x * 2.0);
    min16int2x2 a = min16int2x2(-7, 14, 5, 3) * one;
    min16int2x2 halves = a / 2;
    min12int3x3 b = (min12int3x3)(one * 7);
    min16uint2x2 c = min16uint2x2(4, 6, 8, 10) * (min16uint)one;
    return float4(halves[0][0], b[2][2], c._11 / 2, c._12 + c._21 - 2);
}

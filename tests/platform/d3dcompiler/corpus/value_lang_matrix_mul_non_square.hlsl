// Windows: mul of a 3x2 and a 2x3 matrix is a 3x3 matrix, of a 2x3 and a
// 3x2 a 2x2, and a float4 times a 4x2 matrix a float2: row i, column j is
// the dot product of the first's row i and the second's column j.
// verdict: accepted
// probe: 28 18 14 20
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-mul (the shapes each pair of arguments gives: "x is a matrix with ... columns, y a matrix with ... rows")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float3x2 a = float3x2(1, 2, 3, 4, 5, 6);
    float2x3 b = float2x3(1, 0, 2, 0, 1, 3) * one;
    float3x3 ab = mul(a, b); // rows (1, 2, 8), (3, 4, 18), (5, 6, 28)
    float2x2 ba = mul(b, a); // rows (11, 14), (18, 22)
    float4x2 c = float4x2(1, 2, 3, 4, 5, 6, 7, 8);
    float2 v = mul(float4(1, 1, 1, one), c); // (16, 20)
    return float4(ab._33, ba._21, ba[0][1], v.y);
}

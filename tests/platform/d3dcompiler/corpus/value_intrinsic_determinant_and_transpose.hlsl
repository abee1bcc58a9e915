// Windows: determinant gives the determinant of a square float matrix of
// two, three or four rows; transpose of a 2x3 matrix is the 3x2 matrix whose
// row i is the first's column i.
// verdict: accepted
// probe: -2 24 24 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-determinant ("the determinant of the floating-point, square matrix") and dx-graphics-hlsl-transpose ("the transposed matrix": rows become columns)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 a = float2x2(1, 2, 3, 4) * one;
    float3x3 b = float3x3(2, 0, 0, 0, 3, 0, 1, 1, 4) * one;
    float4x4 c = float4x4(1, 0, 0, 0, 5, 2, 0, 0, 0, 0, 3, 0, 7, 0, 0, 4) * one;
    float2x3 d = float2x3(1, 2, 3, 4, 5, 6) * one;
    float3x2 t = transpose(d);
    return float4(determinant(a), determinant(b), determinant(c), t._31);
}

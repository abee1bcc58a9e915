// Windows: mul of a one-component vector and a matrix is the vector-times-matrix
// overload with the matrix implicitly truncated to its first row: v.x * m[0],
// a vector of the matrix's columns.
// verdict: accepted
// probe: 1 4 6 8
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-mul (version 6: vector x of N components times a matrix of N rows gives a vector of its columns; the vector is a row vector) and dx-graphics-hlsl-matrix (a matrix's first index picks a row); Windows' compiler builds mul(float1, float4x4) (containment_mul_float1_matrix.hlsl)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float y = position.x; // 0.5
    float4x4 m = float4x4(y, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
    float1 v = y * 4.0;
    return mul(v, m);
}

// Windows: mul takes a scalar, vector or matrix on either side: a scalar
// scales the other operand, two vectors give their dot product, a vector on
// the left is a row and on the right a column of a non-square matrix.
// verdict: accepted
// probe: 18 38 12 15
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-mul (the table of overloads: scalar with scalar, vector or matrix; vector with vector giving a scalar; vector times matrix of as many rows; matrix times vector of as many columns)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x3 m = float2x3(1, 2, 3, 4, 5, 6) * one;
    float2x3 scaledLeft = mul(2, m);             // _23 = 12
    float2x3 scaledRight = mul(m, 3);            // _12 = 6
    float3 scaledVector = mul(one * 2, float3(1, 2, 3)); // z = 6
    float dotted = mul(float3(1, 2, 3), float3(4, 5, 6) * one); // 32
    float3 row = mul(float2(1, 2), m);           // (9, 12, 15)
    float2 column = mul(m, float3(1, 1, 1));     // (6, 15)
    return float4(scaledLeft._23 + scaledRight._12, scaledVector.z + dotted, row.y, column.y);
}

// Windows: mul of a row (1xN) and an NxM matrix is a row of M, of a matrix
// and a column a column, of a row and a column a 1x1 product; transpose
// turns a row into a column.
// verdict: accepted
// probe: 7 10 11 4
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-mul (x with c columns times y with c rows) and dx-graphics-hlsl-transpose
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float1x2 row = float1x2(1, 2) * one;
    float2x2 m = float2x2(1, 2, 3, 4);
    float1x2 rowTimes = mul(row, m);
    float2x1 column = transpose(row);
    float2x1 timesColumn = mul(m, column);
    float1x1 inner = mul(row, column);
    return float4(rowTimes._11, rowTimes._12, timesColumn._21, inner._11 - 1.0);
}

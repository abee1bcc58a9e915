// Windows: the elements of a one-column or one-row matrix are named _RC
// (from 1) or _mRC (from 0), several at once, and indexed row then column.
// verdict: accepted
// probe: 3 6 12 9
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix swizzles _11 ... _44 and _m00 ... _m33; m[row][column]) and dx-graphics-hlsl-matrix (rows and columns from 1 to 4)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    int i = (int)one;
    float3x1 column = float3x1(1, 2, 3) * one;
    float1x3 row = float1x3(4, 5, 6) * one;
    float2 picked = column._31_m00 + row._m01_11;
    column[i][0] = 7.0;
    row[0][2] = 3.0;
    return float4(column._31, picked.x - 2.0, column._21 + row._12, row._13 + row[0][0] + 2.0);
}

// Windows: matrices may have one row or one column: mul of a float4x1 and a
// float1x4 is their outer product, a float1x1 holds one value, and a
// float1x3's row is a float3.
// verdict: accepted
// probe: 12 5 6 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-matrix (rows and columns from 1 to 4) and dx-graphics-hlsl-mul (x a matrix with c columns, y a matrix with c rows)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float4x1 column = float4x1(1, 2, 3, 4) * one;
    float1x4 row = float1x4(1, 2, 3, 4);
    float4x4 outer = mul(column, row);
    float1x1 single = 5 * one;
    float1x3 wide = float1x3(1, 2, 3);
    float3 first = wide[0];
    return float4(outer[2][3], single._11, first.x + first.z + 2, wide._13);
}

// Windows: an int1x3 holds integer bits, one register a column; a uint3x1,
// one column, takes the free components of the last of them.
// verdict: accepted
// probe: 0 4 8 9
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix ordering: column-major by default, each column in a register; row_major each row) and dx-graphics-hlsl-packing-rules (arrays not packed, each element in a four-component vector) and dx-graphics-hlsl-asfloat
#include "probe_stages.hlsli"
cbuffer Values : register(b0)
{
    int1x3 row;
    uint3x1 column;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(asfloat(row._11), asfloat(row._12), asfloat(row[0][2]), asfloat(column._11));
}

// Windows: in a structure held by a constant buffer, a row_major float3x1
// member takes a register per row, one component each, and a float4x1 member
// one register (its one column); a local copy of the structure reads the same
// values through element names and indexes.
// verdict: accepted
// probe: 8 12 19 16
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix ordering: column-major by default, a column in each register; row_major, a row in each) and dx-graphics-hlsl-packing-rules (a structure starts a register; a value that does not fit what is left of a register starts the next)
#include "probe_stages.hlsli"
struct Columns
{
    row_major float3x1 column;
    float4x1 whole;
};
cbuffer Values : register(b0)
{
    float first;
    Columns columns;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Columns local = columns;
    return float4(local.column._21, columns.column[2][0], columns.whole._41, local.whole[0][0]);
}

// Windows: after #pragma pack_matrix(row_major), a matrix declared through a
// typedef that carries column_major keeps a register per column, and a plain
// matrix takes a register per row.
// verdict: accepted
// probe: 4 1 9 13
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-pack-matrix (the pragma sets the default; an explicit row_major or column_major wins) and dx-graphics-hlsl-typedef (a typedef may carry type modifiers); dx-graphics-hlsl-per-component-math (matrix ordering)
#include "probe_stages.hlsli"
typedef column_major float2x2 ColumnPair;
#pragma pack_matrix(row_major)
cbuffer Values : register(b0)
{
    ColumnPair columns;
    float2x2 rows;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(columns._12, columns._21, rows._12, rows._22);
}

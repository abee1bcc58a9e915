// Windows: under pack_matrix(row_major) a global float1x2 placed at c5 takes
// one register (its row), and a float2x1 after it two (one a row) from c6.
// verdict: accepted
// probe: 20 21 24 28
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix ordering: column-major by default, each column in a register; row_major each row) and dx-graphics-hlsl-packing-rules (arrays not packed, each element in a four-component vector) and dx-graphics-hlsl-variable-packoffset, dx-graphics-hlsl-appendix-pre-pragma-pack-matrix
#include "probe_stages.hlsli"
#pragma pack_matrix(row_major)
float1x2 placed : packoffset(c5);
float2x1 column;
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(placed._11, placed._12, column._11, column[1][0]);
}

// Windows: a column-major float2x3 takes a register per column, two
// components each, and a float after it fills the last column's z; a
// row_major float3x2 takes a register per row, and a float after it fills
// the last row's z.
// verdict: accepted
// probe: 9 10 21 22
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (matrices start a register; variables pack into the space a register has left) and dx-graphics-hlsl-per-component-math (column-major by default: a column per register)
#include "probe_stages.hlsli"
cbuffer Values : register(b0)
{
    float2x3 columns;        // c0.xy, c1.xy, c2.xy
    float after;             // c2.z
    row_major float3x2 rows; // c3.xy, c4.xy, c5.xy
    float last;              // c5.z
};
float4 PSMain() : SV_Target
{
    return float4(columns[1][2], after, rows[2][1], last);
}

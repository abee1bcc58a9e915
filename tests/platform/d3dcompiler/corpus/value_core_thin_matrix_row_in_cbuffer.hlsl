// Windows: a float1x4 constant buffer member, column-major by default, takes
// four registers (one a column) and the float after it shares the last.
// verdict: accepted
// probe: 0 4 12 13
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix ordering: column-major by default, each column in a register; row_major each row) and dx-graphics-hlsl-packing-rules (arrays not packed, each element in a four-component vector)
#include "probe_stages.hlsli"
cbuffer Values : register(b0)
{
    float1x4 row;
    float after;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(row._11, row._m01, row[0][3], after);
}

// Windows: a row_major float1x4 takes one register (its row), a row_major
// float3x1 three (one a row) from the next, and a float2 after it shares the
// last.
// verdict: accepted
// probe: 3 8 12 14
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix ordering: column-major by default, each column in a register; row_major each row) and dx-graphics-hlsl-packing-rules (arrays not packed, each element in a four-component vector)
#include "probe_stages.hlsli"
cbuffer Values : register(b0)
{
    row_major float1x4 row;
    row_major float3x1 column;
    float2 after;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(row._14, column._21, column[2][0], after.y);
}

// Windows: a structure's float1x2 member in a constant buffer takes two
// registers, a column in each, the member after it sharing the second; its
// elements read the same through names and indexes.
// verdict: accepted
// probe: 0 4 5 4
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix ordering: column-major by default, each column in a register; row_major each row) and dx-graphics-hlsl-packing-rules (arrays not packed, each element in a four-component vector)
#include "probe_stages.hlsli"
struct Pair
{
    float1x2 row;
    float after;
};
cbuffer Values : register(b0)
{
    Pair pair;
    float next;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(pair.row._11, pair.row._12, pair.after, pair.row[0][1]);
}

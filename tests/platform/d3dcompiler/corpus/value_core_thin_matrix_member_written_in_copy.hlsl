// Windows: a local copy of a constant buffer's structure holds its float1x2
// member's two registers' values, and an element of the copy's member may be
// written.
// verdict: accepted
// probe: 0 0.5 5 4
// group: types
// stand-in: differ a thin matrix member written through a local copy stays the vector glslang packs in one register
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix ordering: column-major by default, a column in each register; elements written by name) and dx-graphics-hlsl-packing-rules
#include "probe_stages.hlsli"
struct Pair
{
    float1x2 row;
    float after;
};
cbuffer Values : register(b0)
{
    Pair pair;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Pair local = pair;
    local.row._12 = position.x;
    return float4(local.row._11, local.row._12, local.after, pair.row._12);
}

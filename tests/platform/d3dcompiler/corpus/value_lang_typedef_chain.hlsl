// Windows: a typedef may name another typedef, a structure or an array
// type; the names stand for the types.
// verdict: accepted
// probe: 1 2 3 4
// group: declarations
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-typedef ("typedef [const] type id [array_suffix]")
#include "probe_stages.hlsli"
typedef float2 Pair;
typedef Pair Twin;
struct Cell
{
    Twin corners;
};
typedef Cell Tile;
typedef float Quad[2];
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Tile tile;
    tile.corners = Twin(position.x * 2.0, 2.0);
    Quad quad = { 3.0, 4.0 };
    return float4(tile.corners, quad[0], quad[1]);
}

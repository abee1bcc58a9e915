// Windows: arrays of arrays index row by row, and their initialiser lists
// fill them in that order.
// verdict: accepted
// probe: 5 1 6 3
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (multidimensional arrays) and dx-graphics-hlsl-appendix-grammar
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float grid[2][3] = { 1.0, 2.0, 3.0, 4.0, 5.0, 6.0 };
    int row = int(position.x * 2.0);
    grid[0][1] = grid[row][0] + 1.0;
    return float4(grid[row][1], grid[0][0], grid[1][2], grid[0][2]);
}

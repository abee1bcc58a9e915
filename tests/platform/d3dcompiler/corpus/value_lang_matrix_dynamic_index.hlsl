// Windows: m[i] is row i and m[i][j] row i's component j, with i and j
// computed at run time, for reads and for writes.
// verdict: accepted
// probe: 6 12 20 5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("[0][1]" is row 0, column 1; a matrix is indexed by row, then column)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int i = int(position.x * 2.0); // 1
    float3x3 m = float3x3(1, 2, 3, 4, 5, 6, 7, 8, 9);
    float3 row = m[i];             // 4 5 6
    m[i - 1] = float3(10, 11, 12); // row 0
    m[i + 1][i] = 20;              // row 2, column 1
    return float4(row.z, m[0][i + 1], m[2][1], m[i][i]);
}

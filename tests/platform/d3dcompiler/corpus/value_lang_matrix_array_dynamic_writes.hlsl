// Windows: a local array of matrices is written and read through run-time
// indexes at each level: ms[i] a matrix, ms[i][j] a row, ms[i][j][k] one
// component.
// verdict: accepted
// probe: 9 6 4 20
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (arrays of any type) and dx-graphics-hlsl-per-component-math (a matrix indexed by row, then column)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int i = int(position.x * 2.0); // 1
    float2x2 ms[2];
    ms[0] = float2x2(1, 2, 3, 4);
    ms[i] = ms[i - 1] * 2;         // 2 4 6 8
    ms[i][i - 1][i] = 9;           // ms[1] row 0 is (2, 9)
    ms[i - 1][i] = float2(5, 6);   // ms[0] row 1
    float2 row = ms[i][0];
    return float4(row.y, ms[0][i][i], ms[i]._12 - 5, ms[i][1][1] + ms[0][0][0] * 12);
}

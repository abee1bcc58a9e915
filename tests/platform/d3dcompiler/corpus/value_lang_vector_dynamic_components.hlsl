// Windows: a vector's component is read and written through an index
// computed at run time (v[i]), also inside an array of vectors (a[i][j]).
// verdict: accepted
// probe: 3 9 7 5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-vector ("a vector's components can be read ... as an array": v[0]) and dx-graphics-hlsl-variable-syntax (arrays)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int i = int(position.x * 2.0); // 1
    float4 v = float4(1, 2, 3, 4);
    float read = v[i + 1];   // 3
    v[i * 2] = 9;            // v.z
    float4 rows[2] = { v, v.wzyx };
    rows[i][i + 2] = 7;      // rows[1].w
    rows[i - 1][i - 1] = 5;  // rows[0].x
    return float4(read, rows[0].z, rows[1].w, rows[0].x);
}

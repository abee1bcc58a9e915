// Windows: minimum-precision matrices take mul and indexing as float ones do.
// verdict: accepted
// probe: 3 7 2 4
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/using-hlsl-minimum-precision (min16float2x2 and the other vector and matrix forms) and dx-graphics-hlsl-mul
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    min16float one = position.x * 2.0;
    min16float2x2 m = min16float2x2(1, 2, 3, 4) * one;
    min16float2 v = min16float2(1, 1) * one;
    min16float2 rows = mul(m, v);
    min16float2 cols = mul(v, m);
    return float4(rows.x, rows.y, m[0][1], m._22 * one);
}

// Windows: a matrix constructor takes scalars and vectors in any mix, their
// components filling the rows in order; a float4 fills a float2x2.
// verdict: accepted
// probe: 5 6 5 11
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-matrix (a matrix initialised from scalars or vectors, row by row) and dx-graphics-hlsl-per-component-math
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2 a = float2(one, 2);
    float4 b = float4(3, 4, 5, 6);
    float3x3 m = float3x3(a, 7, b, float2(8, 9)); // rows (1, 2, 7), (3, 4, 5), (6, 8, 9)
    float2x2 n = float2x2(b);                     // rows (3, 4), (5, 6)
    float2x3 w = float2x3(m[2], a.yx, one);       // rows (6, 8, 9), (2, 1, 1)
    return float4(m[1][2], m[2].x, n._m10, w._m11 + w[1][2] * 10);
}

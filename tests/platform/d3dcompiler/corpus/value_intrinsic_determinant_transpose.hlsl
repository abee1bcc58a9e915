// Windows: determinant of 3x3 and 4x4 matrices; transpose swaps rows and
// columns (a float2x3 becomes a float3x2).
// verdict: accepted
// probe: 24 -4 6 4
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-determinant and dx-graphics-hlsl-transpose
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float3x3 a = float3x3(h * 4.0, 0, 0, 0, 3, 0, 1, 1, 4);
    float4x4 b = float4x4(1, 2, 0, 0, 3, h * 8.0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 2);
    float2x3 m = float2x3(1, 2, 3, 4, 5, h * 12.0);
    float3x2 t = transpose(m);
    return float4(determinant(a), determinant(b), t[2][1], t[0][1]);
}

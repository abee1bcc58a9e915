// Windows: a float matrix given to a matrix<int, 2, 2> parameter converts to
// int toward zero.
// verdict: accepted
// probe: 4 -3 1 1
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-matrix (template-style declaration) and dx-graphics-hlsl-conversions (float to int truncates)
#include "probe_stages.hlsli"
float Sum(matrix<int, 2, 2> m)
{
    return m._11 + m._12 + m._21 + m._22;
}
matrix<int, 2, 2> Truncated(float2x2 f)
{
    return (matrix<int, 2, 2>)f;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 f = float2x2(1.5, 2.5, -3.5, 4.75) * one;
    return float4(Sum(f), Truncated(f)._21, one, 1);
}

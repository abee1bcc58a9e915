// Windows: functions take and return one-row and one-column matrices as any
// other, and a float1x1 computes as a scalar.
// verdict: accepted
// probe: 2 4 6 6
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-matrix (rows and columns from 1 to 4) and dx-graphics-hlsl-function-syntax
#include "probe_stages.hlsli"
float3x1 Doubled(float3x1 c)
{
    return c * 2.0;
}
float1x1 Sum(float1x3 r)
{
    float1x1 s = r._11 + r._12 + r._13;
    return s;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float3x1 c = Doubled(float3x1(1, 2, 3) * one);
    float1x1 s = Sum(float1x3(1, 2, 3));
    return float4(c._11, c._21, c._31, s._11 * one);
}

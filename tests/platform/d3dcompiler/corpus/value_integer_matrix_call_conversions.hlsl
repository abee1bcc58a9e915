// Windows: a float matrix given to an int2x2 parameter, or returned from a
// function returning uint2x2 or bool2x2, converts as an assignment does:
// toward zero for integers, nonzero to true for bools.
// verdict: accepted
// probe: 1 -2 3 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (in parameters: "copied into the function") and learn.microsoft.com/windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion (float to integer: "truncated toward zero")
#include "probe_stages.hlsli"
float Top(int2x2 m)
{
    return m._11;
}
uint2x2 Rounded(float2x2 m)
{
    return m;
}
bool2x2 Flags(float2x2 m)
{
    return m;
}
float4 PSMain() : SV_Target
{
    float2x2 f = float2x2(1.75, -2.5, 3.9, 0.25);
    int2x2 i = f;
    return float4(Top(f), i._12, Rounded(f)._21, Flags(f)._22);
}

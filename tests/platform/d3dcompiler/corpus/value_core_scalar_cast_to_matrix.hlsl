// Windows: an int, uint or bool scalar cast to a float matrix converts and
// fills every element with it.
// verdict: accepted
// probe: 14 3 1 6
// group: conversions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-conversions ("Scalar-to-matrix: Fill the matrix with the scalar")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    uint three = 3u * (uint)one;
    bool yes = one > 0;
    float2x2 a = (float2x2)(one * 14);
    float3x2 b = (float3x2)three;
    float2x3 c = (float2x3)yes;
    int2x2 d = (int2x2)(one * 6);
    return float4(a._22, b[2][1], c[1][2], d._21);
}

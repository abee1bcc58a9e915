// Windows: a matrix's first index picks a row; float2x2(a, b) fills rows;
// _m01 is row 0, column 1; a float4x4 cast to float3x3 keeps the upper-left.
// verdict: accepted
// probe: 6 2 6 9
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("The zero-based row-column position: _m00 ..."; "[0][1]" picks row 0, column 1) and dx-graphics-hlsl-matrix (constructors fill row by row)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float3x3 m = float3x3(one, 2, 3, 4, 5, 6, 7, 8, 9);
    float2x2 rows = float2x2(float2(one, 2), float2(3, 4));
    float4x4 big = float4x4(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    float3x3 small = (float3x3)big;
    return float4(m[1][2], rows._m01, m._23, small[2].x + small._m01 + small._12 - 1);
}

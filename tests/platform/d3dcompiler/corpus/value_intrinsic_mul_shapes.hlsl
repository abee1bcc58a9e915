// Windows: mul(vector, matrix) takes the vector as a row, mul(matrix,
// vector) as a column, mul(vector, vector) is the dot product and
// mul(scalar, matrix) scales each component.
// verdict: accepted
// probe: 9 10 32 12
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-mul (the table of the nine shape pairs)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float2x3 m = float2x3(1, 2, 3, 4, 5, h * 12.0);
    float3 row = mul(float2(1, h * 2.0), m);         // (5, 7, 9)
    float2 column = mul(m, float3(1, 0, h * 2.0));   // (4, 10)
    float d = mul(float3(1, 2, 3), float3(4, 5, h * 12.0));
    float2x3 scaled = mul(h * 4.0, m);
    return float4(row.z, column.y, d, scaled._m12);
}

// Windows: a row_major matrix of fewer than four columns leaves its last
// row's register open: a float after a row_major float2x3 is at c1.w, and a
// float2 after a row_major float4x2 shares its last row's register. Rows,
// whole or by component, read back as placed.
// verdict: accepted
// probe: 7 13 5.5 23
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("variables are packed into a given four-component vector until the variable will straddle a 4-vector boundary"; matrices start a register) and dx-graphics-hlsl-per-component-math (row_major: each row in a register)
#include "probe_stages.hlsli"
cbuffer Packed : register(b0)
{
    row_major float2x3 m; // rows at c0.xyz, c1.xyz
    float y;              // c1.w
    row_major float4x2 k; // rows at c2.xy .. c5.xy
    float2 z;             // c5.zw
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    float3 row = m[one];                  // 4 5 6
    float2 last = k[one + 2];             // 20 21
    float sum = mul(float3(1, 0, 0), transpose(m)).y; // m._m10 = 4
    return float4(y, m._m12 + row.y + sum - 2, (row.x + row.z) * 0.5 + m[0].z - 1.5, last.y + z.y - 21);
}

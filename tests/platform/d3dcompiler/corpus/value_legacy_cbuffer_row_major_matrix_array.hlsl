// Windows: each row_major float2x2 of an array takes two registers, one a
// row; the second matrix starts at c2.
// verdict: accepted
// probe: 9 12 4 5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("Matrix Ordering": row_major stores each row in a register) and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    row_major float2x2 m[2];
};
float4 PSMain() : SV_Target
{
    return float4(m[1]._12, m[1]._21, m[0]._21, m[0]._22);
}

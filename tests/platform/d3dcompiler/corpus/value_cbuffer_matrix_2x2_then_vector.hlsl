// Windows: a column-major float2x2 takes two registers of two components; a
// float2 after it fills the second one's z and w.
// verdict: accepted
// probe: 1 4 6 7
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (a matrix starts a register; the last register is not padded) and dx-graphics-hlsl-per-component-math (column-major by default)
#include "probe_stages.hlsli"
cbuffer Packed : register(b0)
{
    float2x2 m;
    float2 v;
};
float4 PSMain() : SV_Target
{
    return float4(m[1].x, m[0].y, v.x, v.y);
}

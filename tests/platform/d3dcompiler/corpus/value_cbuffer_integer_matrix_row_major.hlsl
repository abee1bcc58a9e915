// Windows: a row_major uint2x3 in a constant buffer takes one register per
// row, three components each, and holds integer bits.
// verdict: accepted
// probe: 1 1 1 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (row_major: each row in a register) and dx-graphics-hlsl-packing-rules; asuint: dx-graphics-hlsl-asuint
#include "probe_stages.hlsli"
cbuffer Packed : register(b0)
{
    row_major uint2x3 r;
};
float4 PSMain() : SV_Target
{
    return float4(r[0].y == asuint(1.0), r[1].z == asuint(6.0), r._11 == 0u, r._21 == asuint(4.0));
}

// Windows: a row_major float2x3 takes one register per row, three components
// each; a float4 after it starts the next register.
// verdict: accepted
// probe: 2 4 8 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (a matrix starts a register, the last register is not padded) and dx-graphics-hlsl-per-component-math (row_major: each row in a register)
#include "probe_stages.hlsli"
cbuffer Packed : register(b0)
{
    row_major float2x3 m;
    float4 y;
};
float4 PSMain() : SV_Target
{
    return float4(m[0].z, m[1].x, y.x, 0);
}

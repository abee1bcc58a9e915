// Windows: a column-major float3x3 starts a register and takes one register
// per column, three components each; a float after it fills the last one's w.
// verdict: accepted
// probe: 4 8 14 15
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (matrices start a register; "float3x3" example) and dx-graphics-hlsl-per-component-math ("column-major ... is the default"; each column in a register)
#include "probe_stages.hlsli"
cbuffer Packed : register(b0)
{
    float x;
    float3x3 m;
    float y;
};
float4 PSMain() : SV_Target
{
    return float4(m[0].x, m[0].y, m[2].z, y);
}

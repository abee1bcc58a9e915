// Windows: a structure in a constant buffer starts a register; its
// column-major float2x2 takes two registers of two components, the float
// after it fills the second one's z, and what follows the structure its w.
// verdict: accepted
// probe: 8 5 10 11
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (structures start a new register; variables pack into the space a register has left) and dx-graphics-hlsl-per-component-math (column-major by default)
#include "probe_stages.hlsli"
struct Part
{
    float2x2 m;
    float f;
};
cbuffer Values : register(b0)
{
    float first; // c0.x
    Part part;   // m: c1.xy, c2.xy; f: c2.z
    float tail;  // c2.w
};
float4 PSMain() : SV_Target
{
    return float4(part.m[0][1], part.m[1][0], part.f, tail + first);
}

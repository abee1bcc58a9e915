// Windows: each element of an array of structures starts a register; a float
// after it shares the last element's register.
// verdict: accepted
// probe: 4 5 8 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (arrays: each element in its own four-component vector; structures start a register)
#include "probe_stages.hlsli"
struct One
{
    float a;
};
cbuffer Packed : register(b0)
{
    One t[2];
    float z;
    float4 w;
};
float4 PSMain() : SV_Target
{
    return float4(t[1].a, z, w.x, 0);
}

// Windows: an int2x2 in a constant buffer holds integer bits, column-major by
// default: it starts a register, one register per column, two components
// each; a float after it fills the last column's z.
// verdict: accepted
// probe: 1 1 1 10
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (matrices start a register) and dx-graphics-hlsl-per-component-math ("column-major ... is the default"); asint: dx-graphics-hlsl-asint
#include "probe_stages.hlsli"
cbuffer Packed : register(b0)
{
    float x;
    int2x2 m;
    float y;
};
float4 PSMain() : SV_Target
{
    return float4(m[0].x == asint(4.0), m[0].y == asint(8.0), m._21 == asint(5.0), y);
}

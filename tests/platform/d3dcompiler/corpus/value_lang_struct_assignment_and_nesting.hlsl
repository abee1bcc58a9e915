// Windows: assigning a structure copies every member, nested structures
// included; a member structure is assigned whole; a structure is passed
// by value and returned by value.
// verdict: accepted
// probe: 1 7 3 12
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct and dx-graphics-hlsl-function-parameters (parameters are passed by value)
#include "probe_stages.hlsli"
struct Colour
{
    float3 rgb;
    float alpha;
};
struct Material
{
    Colour base;
    Colour glow;
    float weight;
};
Material Brighten(Material m)
{
    m.base.rgb += 1;
    m.weight *= 2;
    return m;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Material a;
    a.base.rgb = float3(one, 2, 3);
    a.base.alpha = 4;
    a.glow = a.base;
    a.glow.alpha = 7;
    a.weight = 6;
    Material b = Brighten(a);
    Material c = a;
    c.base = b.glow;
    return float4(a.base.rgb.x, c.base.alpha, c.glow.rgb.z, b.weight);
}

// Windows: packoffset places a vector at a component, and a matrix, an array
// and a structure at a register's start.
// verdict: accepted
// probe: 6 16 36 48
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-packoffset ("packoffset( c[Subcomponent][.component] )")
#include "probe_stages.hlsli"
struct Item
{
    float first;
    float second;
};
cbuffer Placed : register(b0)
{
    float2 v : packoffset(c1.z);
    float4x4 m : packoffset(c4);
    float list[2] : packoffset(c8);
    Item item : packoffset(c12);
};
float4 PSMain() : SV_Target
{
    return float4(v.x, m._11, list[1], item.first);
}

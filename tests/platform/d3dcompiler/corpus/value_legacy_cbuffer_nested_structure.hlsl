// Windows: a structure inside a structure starts a register of its own.
// verdict: accepted
// probe: 0 4 5 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("Each structure forces the next variable to start on the next four-component vector")
#include "probe_stages.hlsli"
struct Inner
{
    float2 p;
};
struct Outer
{
    float a;
    Inner i;
};
cbuffer Layout : register(b0)
{
    Outer o;
};
float4 PSMain() : SV_Target
{
    return float4(o.a, o.i.p, 0);
}

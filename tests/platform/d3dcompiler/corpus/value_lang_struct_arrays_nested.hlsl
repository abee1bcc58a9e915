// Windows: structures hold arrays and arrays hold structures, at any depth;
// a structure returned from a function and assigned is a copy, indexed with
// run-time indexes at each level.
// verdict: accepted
// probe: 2 11 99 6
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (members may be arrays and structures) and dx-graphics-hlsl-variable-syntax (arrays)
#include "probe_stages.hlsli"
struct Inner
{
    float2 v;
    float w[2];
};
struct Outer
{
    Inner items[2];
    float s;
};
Outer Make(float one)
{
    Outer o;
    for (int k = 0; k < 2; k++)
    {
        o.items[k].v = float2(k, k + one);
        o.items[k].w[0] = 10 * k;
        o.items[k].w[1] = 10 * k + one;
    }
    o.s = 5;
    return o;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    int i = int(one);
    Outer o = Make(one);
    Outer copy = o;
    copy.items[i].w[i] = 99;
    return float4(o.items[i].v.y, o.items[i].w[i], copy.items[i].w[i], copy.s + o.items[i - 1].w[1]);
}

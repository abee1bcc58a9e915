// Windows: a structure inside a structure in a constant buffer starts a
// register of its own; what follows the inner structure packs into its last
// register, and so does what follows the outer one.
// verdict: accepted
// probe: 4 9 10 11
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (structures start a new register; following variables fill the space left)
#include "probe_stages.hlsli"
struct Inner
{
    float2 uv;
};
struct Outer
{
    float scale;  // c1.x
    Inner inner;  // c2.xy
    float bias;   // c2.z
};
cbuffer Values : register(b0)
{
    float first;  // c0.x
    Outer outer;  // c1, c2
    float tail;   // c2.w
};
float4 PSMain() : SV_Target
{
    return float4(outer.scale, outer.inner.uv.y, outer.bias, tail + first);
}

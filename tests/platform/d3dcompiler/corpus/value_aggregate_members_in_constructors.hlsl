// Windows: a structure or array reached through a member or an index, given to
// a vector's constructor, gives its components in order, as a variable does.
// verdict: accepted
// probe: 4.5 6 8 2.5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math and dx-graphics-hlsl-struct (structures and arrays convert to vectors component by component when their sizes match), as accepted_aggregate_constructor_arguments.hlsl for a variable's name
#include "probe_stages.hlsli"
struct Inner
{
    float a;
    float b;
};
struct Outer
{
    Inner inner;
    float2 m2;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x; // 0.5
    Outer s = { h, 2, 3, 4 };
    Inner pairs[2] = { 5, 6, 7, h * 16 };
    float4 a = float4(s.inner, s.m2);     // 0.5 2 3 4
    float4 b = float4(pairs[1], s.inner); // 7 8 0.5 2
    return float4(a.x + a.w, a.y * a.z, b.y, b.z + b.w);
}

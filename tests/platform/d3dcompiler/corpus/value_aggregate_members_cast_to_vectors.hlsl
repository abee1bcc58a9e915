// Windows: a structure or array reached through a member or an index, cast
// to a vector, gives its components in order, as a variable does.
// verdict: accepted
// probe: 0.5 2 8 3
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
    float rows[2][2];
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x; // 0.5
    Outer s = { h, 2, 3, 4, 5, 6 };
    Inner pairs[2] = { 5, 6, 7, h * 16 };
    float2 a = (float2)s.inner;   // 0.5 2
    float2 b = (float2)pairs[1];  // 7 8
    float2 c = (float2)s.rows[0]; // 3 4
    return float4(a.x, a.y, b.y, c.x);
}

// Windows: an initialiser list's vectors, matrices, structures and arrays
// stand for their components in order, mixed freely with scalars, whatever
// the variable's own shape.
// verdict: accepted
// probe: 2.5 5 3.5 11
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (Initial Value: "{ expression, ... }", the values assigned in order to the variable's components) and dx-graphics-hlsl-per-component-math ("float4x4 ... = { ... }" and vectors built from vectors and scalars)
#include "probe_stages.hlsli"
struct Inner
{
    float2 v;
    float w;
};
struct Outer
{
    Inner inner;
    float z;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x; // 0.5
    float2 row0 = float2(h, 2);
    Outer s = { row0, 3, 4 };
    float4x4 m = { row0, s.inner.v, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16 };
    float4 v = { s.inner.v, 1, h };
    Outer t = { s.inner, 9 };
    return float4(m[0].z + m[0].w, m[1].x, v.w + t.inner.w, t.z + v.y);
}

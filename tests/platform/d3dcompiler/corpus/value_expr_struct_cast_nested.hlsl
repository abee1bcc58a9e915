// Windows: a structure cast to another structure of no more components fills
// the target's members, nested ones too, from the source's components in order.
// verdict: accepted
// probe: 1 2 3 1
// group: conversions
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (fxc's verdict recorded beside each cast as fxc-pass or fxc-error) ("(S1)s2" compiles); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (casts between shapes keep the leading components)
#include "probe_stages.hlsli"
struct Flat
{
    float a;
    float b;
    float c;
    float d;
};
struct Inner
{
    float2 xy;
};
struct Outer
{
    Inner inner;
    float z;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Flat flat;
    flat.a = one;
    flat.b = 2 * one;
    flat.c = 3 * one;
    flat.d = 4 * one;
    Outer outer = (Outer)flat;
    return float4(outer.inner.xy, outer.z, 1);
}

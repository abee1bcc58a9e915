// Windows: an array cannot be cast to a structure of more components.
// verdict: compile-error PSMain X3017
// group: conversions
// error text: cannot convert from
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (fxc's verdict and words recorded beside each cast as fxc-pass or fxc-error) ("(S4)a2": X3017: cannot convert from 'typedef int[2]' to 'struct S4')
#include "probe_stages.hlsli"
struct Quad
{
    float a, b, c, d;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float pair[2] = { position.x, position.y };
    Quad quad = (Quad)pair;
    return float4(quad.a, quad.b, quad.c, quad.d);
}

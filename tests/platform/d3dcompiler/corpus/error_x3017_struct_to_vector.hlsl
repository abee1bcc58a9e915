// Windows: a structure is no vector: a structure value assigned to a float4 is refused.
// verdict: compile-error PSMain X3017
// group: conversions
// error text: error X3017: cannot convert from 'struct Pair' to 'float2'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3017: cannot implicitly convert); DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (a structure converts to a vector only by an explicit cast) and more-operators.hlsl (fxc's words: "cannot convert" where the target has no more components than the structure)
struct Pair
{
    float a;
    float b;
};
float Shade(float y)
{
    Pair p;
    p.a = y;
    p.b = 0.5;
    float2 v = p;
    return v.x + v.y;
}
#include "shade_stages.hlsli"

// Windows: a cast of a one-member structure to a two-component vector is
// refused, the structure named with the word struct.
// verdict: compile-error PSMain X3017
// group: conversions
// error text: error X3017: cannot convert from 'struct One' to 'int2'
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl ("(int2)s1": X3017: cannot convert from 'struct S1' to 'int2')
struct One
{
    int a;
};
float Shade(float y)
{
    One one;
    one.a = (int)y;
    int2 pair = (int2)one;
    return pair.x;
}
#include "shade_stages.hlsli"

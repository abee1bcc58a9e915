// Windows: a structure assigned to a structure of another type is refused,
// both named with the word struct; a source with more components than the
// target is "cannot convert".
// verdict: compile-error PSMain X3017
// group: conversions
// error text: error X3017: cannot convert from 'struct Mixed' to 'struct Small'
// source: DirectXShaderCompiler's tools/clang/test/HLSL/more-operators.hlsl (fxc's output recorded beside each line as fxc-error) ("f3_ss = mixed_ss": X3017: cannot convert from 'struct mixed_s' to 'struct f3_s')
struct Small
{
    float3 f3;
};
struct Mixed
{
    float3 f3;
    uint s;
};
float Shade(float y)
{
    Mixed mixed;
    mixed.f3 = y;
    mixed.s = 1;
    Small small;
    small = mixed;
    return small.f3.x;
}
#include "shade_stages.hlsli"

// Windows: a structure assigned to a structure with more components is
// "cannot implicitly convert".
// verdict: compile-error PSMain X3017
// group: conversions
// error text: error X3017: cannot implicitly convert from 'struct Small' to 'struct Mixed'
// source: DirectXShaderCompiler's tools/clang/test/HLSL/more-operators.hlsl (fxc's output recorded beside each line as fxc-error) ("mixed_ss = f3_ss": X3017: cannot implicitly convert from 'struct f3_s' to 'struct mixed_s')
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
    Small small;
    small.f3 = y;
    Mixed mixed;
    mixed = small;
    return mixed.f3.x;
}
#include "shade_stages.hlsli"

// Windows: a structure assigned to a bool is refused.
// verdict: compile-error PSMain X3017
// group: conversions
// error text: error X3017: cannot convert from 'struct Small' to 'bool'
// source: DirectXShaderCompiler's tools/clang/test/HLSL/more-operators.hlsl (fxc's output recorded beside each line as fxc-error) ("bools = f3_ss": X3017: cannot convert from 'struct f3_s' to 'bool')
struct Small
{
    float3 f3;
};
float Shade(float y)
{
    Small small;
    small.f3 = y;
    bool flag = false;
    flag = small;
    return flag ? y : 0.5;
}
#include "shade_stages.hlsli"

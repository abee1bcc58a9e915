// Windows: an array is not assigned to a shorter array either; fxc says
// "cannot convert" where the target is no longer than the value.
// verdict: compile-error PSMain X3017
// group: conversions
// error text: error X3017: cannot convert from 'int[2]' to 'int[1]'
// source: DirectXShaderCompiler's tools/clang/test/HLSL/more-operators.hlsl (fxc's output recorded beside each line as fxc-error) ("ari1 = ari2": X3017: cannot convert from 'int[2]' to 'int[1]')
float Shade(float y)
{
    int one[1] = { 1 };
    int two[2] = { 1, 2 };
    one = two;
    return one[0] * y;
}
#include "shade_stages.hlsli"

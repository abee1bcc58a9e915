// Windows: an array is not assigned to a longer array.
// verdict: compile-error PSMain X3017
// group: conversions
// error text: error X3017: cannot implicitly convert from 'int[1]' to 'int[2]'
// source: DirectXShaderCompiler's tools/clang/test/HLSL/more-operators.hlsl (fxc's output recorded beside each line as fxc-error) ("ari2 = ari1": X3017: cannot implicitly convert from 'int[1]' to 'int[2]')
float Shade(float y)
{
    int one[1] = { 1 };
    int two[2] = { 1, 2 };
    two = one;
    return two[1] * y;
}
#include "shade_stages.hlsli"

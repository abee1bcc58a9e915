// Windows: a one-element array is no two-component vector.
// verdict: compile-error PSMain X3017
// group: conversions
// error text: error X3017: cannot implicitly convert from 'int[1]' to 'int2'
// source: DirectXShaderCompiler's tools/clang/test/HLSL/more-operators.hlsl (fxc's output recorded beside each line as fxc-error) ("i2 = ari1": X3017: cannot implicitly convert from 'int[1]' to 'int2')
float Shade(float y)
{
    int single[1] = { 1 };
    int2 pair = int2(0, 0);
    pair = single;
    return pair.x * y;
}
#include "shade_stages.hlsli"

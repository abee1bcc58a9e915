// Windows: a 2x1 matrix is not widened to a 2x2 one.
// verdict: compile-error PSMain X3017
// group: conversions
// error text: error X3017: cannot implicitly convert from 'float2x1' to 'float2x2'
// source: DirectXShaderCompiler's tools/clang/test/HLSL/more-operators.hlsl (fxc's output recorded beside each line as fxc-error) ("i22 = i21": X3017: cannot implicitly convert from 'int2x1' to 'int2x2')
float Shade(float y)
{
    float2x1 column = float2x1(y, 1.0);
    float2x2 square = float2x2(1, 0, 0, 1);
    square = column;
    return square._11;
}
#include "shade_stages.hlsli"

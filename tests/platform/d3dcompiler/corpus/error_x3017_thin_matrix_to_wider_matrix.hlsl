// Windows: a one-row matrix does not widen to a square one, initialised or
// assigned.
// verdict: compile-error PSMain X3017
// group: conversions
// error text: error X3017: cannot implicitly convert from 'float1x3' to 'float3x3'
// source: DirectXShaderCompiler's tools/clang/test/HLSL/more-operators.hlsl (fxc's output recorded beside each line as fxc-error) ("i22 = i21": X3017: cannot implicitly convert from 'int2x1' to 'int2x2'); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix truncation only to fewer rows and columns)
float Shade(float y)
{
    float1x3 row = float1x3(y, 1.0, 2.0);
    float3x3 square = row;
    return square._11;
}
#include "shade_stages.hlsli"

// Windows: a function returning one structure type returns a value of
// another: the same conversion as an assignment, refused the same way.
// verdict: compile-error PSMain X3017
// group: conversions
// error text: cannot convert from 'struct Mixed' to 'struct Small'
// source: DirectXShaderCompiler's tools/clang/test/HLSL/more-operators.hlsl (fxc's output recorded beside each line as fxc-error) (the assignment of a larger structure to a smaller one; a return converts as an assignment does, learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-return)
struct Small
{
    float3 f3;
};
struct Mixed
{
    float3 f3;
    uint s;
};
Small Make(float y)
{
    Mixed mixed;
    mixed.f3 = y;
    mixed.s = 2;
    return mixed;
}
float Shade(float y)
{
    return Make(y).f3.x;
}
#include "shade_stages.hlsli"

// Windows: a function returning float4 returns a two-member structure.
// verdict: compile-error PSMain X3017
// group: conversions
// error text: cannot implicitly convert from 'struct Pair' to 'float4'
// source: DirectXShaderCompiler's tools/clang/test/HLSL/more-operators.hlsl (fxc's output recorded beside each line as fxc-error) (a structure given to a type with more components: "cannot implicitly convert", the structure named with the word struct); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-return
struct Pair
{
    float a;
    float b;
};
float4 Widen(float y)
{
    Pair p;
    p.a = y;
    p.b = y;
    return p;
}
float Shade(float y)
{
    return Widen(y).x;
}
#include "shade_stages.hlsli"

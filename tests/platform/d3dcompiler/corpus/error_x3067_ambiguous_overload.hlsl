// Windows: an int3 reaches Pick(int) and Pick(int2) alike, each by dropping
// components, so neither is better.
// verdict: compile-error PSMain X3067
// group: refuse
// error text: 'Pick': ambiguous function call
// source: fxc's "X3067: 'call_int_oload': ambiguous function call" for call_int_oload(int3(100, 200, 300)) with int and int2 overloads, quoted in the fxc-error annotations of DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl
int Pick(int i)
{
    return i;
}
int Pick(int2 i)
{
    return i.y;
}
float Shade(float y)
{
    return 0.5 + 0.5 * y * Pick(int3(1, 2, 3));
}
#include "shade_stages.hlsli"

// Windows: overloads that differ only in in and out are both taken; only a
// call of them is ambiguous (X3067), so a shader that never calls them compiles.
// verdict: accepted
// group: functions
// source: DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl, whose fxc annotations give "X3067: 'fn_uint_oload': ambiguous function call" at the call of fn_uint_oload(uint) and fn_uint_oload(out uint), and none at their definitions
void Pick(float v)
{
}
void Pick(out float v)
{
    v = 0.5;
}
float Shade(float y)
{
    return 0.5 + 0.5 * y;
}
#include "shade_stages.hlsli"

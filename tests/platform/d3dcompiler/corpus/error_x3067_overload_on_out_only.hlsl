// Windows: overloads that differ only in in and out are ambiguous for a
// variable of the parameters' own type.
// verdict: compile-error PSMain X3067
// group: functions
// error text: 'Pick': ambiguous function call
// source: fxc's "X3067: 'fn_uint_oload': ambiguous function call" for fn_uint_oload(uint) and fn_uint_oload(out uint), quoted in DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl
void Pick(float v)
{
}
void Pick(out float v)
{
    v = 0.5;
}
float Shade(float y)
{
    float v = y;
    Pick(v);
    return 0.5 + 0.5 * v;
}
#include "shade_stages.hlsli"

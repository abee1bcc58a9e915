// Windows: a vector is not an array: a float2 cannot be given to a float[2] parameter.
// verdict: compile-error PSMain X3017
// group: functions
// error text: cannot convert from 'float2' to 'float[2]'
// source: fxc's "X3017: 'fn_float_arr': cannot convert from 'float2' to 'float[2]'", quoted in DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl
float First(float values[2])
{
    return values[0];
}
float Shade(float y)
{
    float2 pair = float2(y, 0.5);
    return First(pair);
}
#include "shade_stages.hlsli"

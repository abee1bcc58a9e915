// Windows: each call has one overload its argument matches exactly.
// verdict: accepted
// group: refuse
// source: DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl, whose fxc annotations pass call_int_oload(int2(1, 2)) and call_int_oload(30) with int and int2 overloads
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
    int2 pair = int2(1, 2);
    return 0.5 + 0.5 * y * Pick(pair) * Pick(1);
}
#include "shade_stages.hlsli"

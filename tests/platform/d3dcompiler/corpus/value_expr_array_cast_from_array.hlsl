// Windows: an array cast to a shorter array type keeps its leading
// elements; a structure's scalars fill an int array, converted.
// verdict: accepted
// probe: 1 2 3 2
// group: conversions
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (fxc's verdict recorded beside each cast as fxc-pass or fxc-error) ("(A2)s2" and "(A2)a4" compile)
#include "probe_stages.hlsli"
typedef float Two[2];
typedef int Pair[2];
struct Mixed
{
    float first;
    float2 rest;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float four[4] = { one, 2 * one, 3 * one, 4 * one };
    Two front = (Two)four;
    Mixed mixed;
    mixed.first = 3.5 * one;
    mixed.rest = float2(2.25, 9) * one;
    Pair whole = (Pair)mixed;
    return float4(front[0], front[1], whole[0], whole[1]);
}

// Windows: C's 0[array] is no indexing in HLSL.
// verdict: compile-error PSMain X3121
// group: functions
// error text: array, matrix, vector, or indexable object type expected in index expression
// source: fxc's "X3121: array, matrix, vector, or indexable object type expected in index expression" for "f2 = 0[arr2];", quoted in DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl
float Shade(float y)
{
    float values[2] = { 0.5, y };
    return 0[values];
}
#include "shade_stages.hlsli"

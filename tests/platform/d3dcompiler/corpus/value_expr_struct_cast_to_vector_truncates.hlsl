// Windows: a structure of four floats cast to a float3 keeps the first three.
// verdict: accepted
// probe: 1 2 3 1
// group: conversions
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (fxc's verdict recorded beside each line: "(int)s2", "(int1)s2" compile: truncation of a structure by a cast)
#include "probe_stages.hlsli"
struct Four
{
    float a, b, c, d;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Four four;
    four.a = one;
    four.b = 2 * one;
    four.c = 3 * one;
    four.d = 4 * one;
    float3 v = (float3)four;
    return float4(v, 1);
}

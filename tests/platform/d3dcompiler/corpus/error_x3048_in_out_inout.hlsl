// Windows: "in out inout" names in and out twice (inout is both).
// verdict: compile-error PSMain X3048
// group: refuse
// error text: duplicate usages specified
// source: fxc's "X3048: duplicate usages specified" for "in out inout float2", quoted in the fxc-error annotations of DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl
void Scale(in out inout float y)
{
    y = 0.5 + 0.5 * y;
}
float Shade(float y)
{
    Scale(y);
    return y;
}
#include "shade_stages.hlsli"

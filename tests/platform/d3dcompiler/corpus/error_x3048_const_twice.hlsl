// Windows: a modifier written twice on one declaration.
// verdict: compile-error PSMain X3048
// group: refuse
// error text: duplicate usages specified
// source: fxc's "X3048: duplicate usages specified", quoted in the fxc-error annotations of DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl (for "out out"); the rule is the same for every usage
float Shade(float y)
{
    const const float scale = 0.5;
    return scale + scale * y;
}
#include "shade_stages.hlsli"

// Windows: an attribute with empty parentheses is a syntax error.
// verdict: compile-error PSMain X3000
// group: attributes
// error text: syntax error: unexpected token ')'
// source: fxc's "X3000: syntax error: unexpected token ')'" for [domain()] and [partitioning()], quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl
[domain()]
float Shade(float y)
{
    return 0.5 + 0.5 * y;
}
#include "shade_stages.hlsli"

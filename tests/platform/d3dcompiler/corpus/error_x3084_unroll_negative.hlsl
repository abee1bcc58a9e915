// Windows: a negative unroll count is refused.
// verdict: compile-error PSMain X3084
// group: attributes
// error text: cannot match attribute unroll, non-uint parameters found
// source: fxc's "error X3084: cannot match attribute unroll, non-uint parameters found", quoted for [unroll(-1)] in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl (neg_unroll)
float Shade(float y)
{
    float sum = 0.0;
    [unroll(-1)] for (int i = 0; i < 4; i++)
        sum += y * 0.25;
    return sum;
}
#include "shade_stages.hlsli"

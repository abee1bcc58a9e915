// Windows: [fastopt] and [unroll] on one loop contradict each other.
// verdict: compile-error PSMain X3524
// error text: can't use fastopt and unroll attributes together
// group: attributes
// source: fxc's "error X3524: can't use fastopt and unroll attributes together" for [fastopt][unroll] on a for loop, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl
float Shade(float y)
{
    float sum = 0;
    [fastopt]
    [unroll]
    for (int i = 0; i < 4; ++i)
    {
        sum += y;
    }
    return sum;
}
#include "shade_stages.hlsli"

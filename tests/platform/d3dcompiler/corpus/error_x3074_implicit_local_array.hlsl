// Windows: a local array needs a size or an initialiser to give it one.
// verdict: compile-error PSMain X3074
// group: refuse
// error text: 'weights': implicit array missing initial value
// source: fxc's "error X3074: 'ns_basic::arr': implicit array missing initial value", quoted in DirectXShaderCompiler's tools/clang/test/HLSL/spec.hlsl; the rule holds for every variable
float Shade(float y)
{
    float weights[];
    weights[0] = 0.5;
    return weights[0] + 0.5 * y;
}
#include "shade_stages.hlsli"

// Windows: an array declared without a size and without an initialiser.
// verdict: compile-error PSMain X3074
// group: refuse
// error text: 'kLevels': implicit array missing initial value
// source: fxc's "error X3074: 'ns_basic::arr': implicit array missing initial value" for "extern int arr[];", quoted in DirectXShaderCompiler's tools/clang/test/HLSL/spec.hlsl
static float kLevels[];
float Shade(float y)
{
    return kLevels[uint(y * 3.0) & 3];
}
#include "shade_stages.hlsli"

// Windows: a TextureCube has no []: indexing one is X3121.
// verdict: compile-error PSMain X3121
// group: resources
// error text: array, matrix, vector, or indexable object type expected in index expression
// texture t0: cube r32g32b32a32_float 1x1
// source: fxc's words as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them (its fxc-error annotations, from running fxc on each line) ("f4 += g_tc[0]; ... X3121")
#include "resource_stages.hlsli"
TextureCube<float4> sky : register(t0);
float4 PSMain() : SV_Target
{
    return sky[0];
}

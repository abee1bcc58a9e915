// Windows: a Texture2D is indexed by a uint2: a scalar index is X3120.
// verdict: compile-error PSMain X3120
// group: resources
// error text: invalid type for index - index must be a scalar, or a vector with the correct number of dimensions
// texture t0: 2d r32g32b32a32_float 1x1
// source: fxc's words as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them (its fxc-error annotations, from running fxc on each line) ("f4 += g_t2d[0]; ... X3120")
#include "resource_stages.hlsli"
Texture2D<float4> colours : register(t0);
float4 PSMain() : SV_Target
{
    return colours[0];
}

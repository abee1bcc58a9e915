// Windows: a Texture3D mip level is indexed by a uint3: a uint2 is X3120.
// verdict: compile-error PSMain X3120
// group: resources
// error text: invalid type for index - index must be a scalar, or a vector with the correct number of dimensions
// texture t0: 3d r32g32b32a32_float 1x1x1
// source: fxc's words as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them (its fxc-error annotations, from running fxc on each line) ("f4 += g_t3d.mips[mipSlice][pos2]; ... X3120")
#include "resource_stages.hlsli"
Texture3D<float4> volume : register(t0);
float4 PSMain() : SV_Target
{
    return volume.mips[0][uint2(0, 0)];
}

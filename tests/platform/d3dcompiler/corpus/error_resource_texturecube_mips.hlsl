// Windows: a TextureCube has no mips member: naming it is X3018.
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'mips'
// texture t0: cube r32g32b32a32_float 1x1
// source: fxc's words as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them (its fxc-error annotations, from running fxc on each line) ("f4 += g_tc.mips[mipSlice][pos]; ... X3018: invalid subscript 'mips'")
#include "resource_stages.hlsli"
TextureCube<float4> sky : register(t0);
float4 PSMain() : SV_Target
{
    return sky.mips[0][uint2(0, 0)];
}

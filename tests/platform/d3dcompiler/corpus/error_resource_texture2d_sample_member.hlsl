// Windows: only multisampled textures have a sample member: a Texture2D's is X3018.
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'sample'
// texture t0: 2d r32g32b32a32_float 1x1
// source: fxc's words as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them (its fxc-error annotations, from running fxc on each line) ("f4 += g_t2d.sample[offset]; ... X3018: invalid subscript 'sample'")
#include "resource_stages.hlsli"
Texture2D<float4> colours : register(t0);
float4 PSMain() : SV_Target
{
    return colours.sample[0][uint2(0, 0)];
}

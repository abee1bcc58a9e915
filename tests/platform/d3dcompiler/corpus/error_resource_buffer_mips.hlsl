// Windows: a Buffer has no mips: naming them is X3018.
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'mips'
// buffer t0: typed r32g32b32a32_float 1
// source: fxc's words as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them (its fxc-error annotations, from running fxc on each line) (a Buffer's and a TextureCube's .mips: "X3018: invalid subscript 'mips'")
#include "resource_stages.hlsli"
Buffer<float4> tints : register(t0);
float4 PSMain() : SV_Target
{
    return tints.mips[0][0];
}

// Windows: a Buffer element is read-only: assigning to it is X3025.
// verdict: compile-error PSMain X3025
// group: resources
// error text: l-value specifies const object
// buffer t0: typed r32g32b32a32_float 2
// source: fxc's words as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them (its fxc-error annotations, from running fxc on each line) ("g_b[0] = f4; ... X3025: l-value specifies const object")
#include "resource_stages.hlsli"
Buffer<float4> tints : register(t0);
float4 PSMain() : SV_Target
{
    tints[1] = 0;
    return tints[0];
}

// Windows: a StructuredBuffer element is read-only: assigning to it is X3025.
// verdict: compile-error PSMain X3025
// group: resources
// error text: l-value specifies const object
// buffer t0: structured 16 1
// source: fxc's words as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them (its fxc-error annotations, from running fxc on each line) ("g_sb[0] = f4; ... X3025: l-value specifies const object")
#include "resource_stages.hlsli"
StructuredBuffer<float4> items : register(t0);
float4 PSMain() : SV_Target
{
    items[0] = float4(1, 2, 3, 4);
    return 0;
}

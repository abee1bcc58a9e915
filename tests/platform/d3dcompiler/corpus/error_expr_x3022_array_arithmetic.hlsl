// Windows: arrays take no arithmetic operators.
// verdict: compile-error PSMain X3022
// group: statements
// error text: error X3022: scalar, vector, or matrix expected
// source: DirectXShaderCompiler's tools/clang/test/HLSL/scalar-operators.hlsl ("ari1 = ari1 + ari1": X3022: scalar, vector, or matrix expected)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float a[2] = { position.x, position.y };
    float b[2];
    b = a + a;
    return b[0];
}

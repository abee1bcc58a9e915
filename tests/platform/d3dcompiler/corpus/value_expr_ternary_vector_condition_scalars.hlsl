// Windows: ?: with a vector condition and scalar values gives a vector of the
// condition's size, each scalar replicated.
// verdict: accepted
// probe: -5 5 5 1
// group: statements
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conditional.hlsl (fxc's words recorded beside each line as fxc-error) ("b4 ? v0 : 1.0F": the scalar is replicated to the condition's size)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float3 a = float3(1, 2, 3) * one;
    float3 r = (a > 1.5) ? 5 : -5;
    return float4(r, 1);
}

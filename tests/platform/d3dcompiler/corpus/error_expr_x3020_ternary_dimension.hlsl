// Windows: a vector condition shorter than the values of ?: is refused.
// verdict: compile-error PSMain X3020
// group: statements
// error text: error X3020: dimension of conditional does not match value
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conditional.hlsl (fxc's words recorded beside each line as fxc-error) ("b4.xy ? v0 : (v0 + 1.0F)": X3020: dimension of conditional does not match value)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    bool4 flags = position > 0.25;
    return flags.xy ? position : (position + 1.0);
}

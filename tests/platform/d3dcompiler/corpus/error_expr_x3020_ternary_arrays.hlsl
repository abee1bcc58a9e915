// Windows: shader model 5's ?: takes no array operands.
// verdict: compile-error PSMain X3020
// group: statements
// error text: error X3020: type mismatch between conditional values
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conditional.hlsl (fxc's words recorded beside each line as fxc-error) ("(b4.x ? a1 : a2)[0]": X3020: type mismatch between conditional values)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float4 first[2] = { position, position * 2 };
    float4 second[2] = { position * 3, position * 4 };
    return (position.x > 0.25 ? first : second)[1];
}

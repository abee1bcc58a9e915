// Windows: shader model 5's ?: takes no structure operands.
// verdict: compile-error PSMain X3020
// group: statements
// error text: error X3020: type mismatch between conditional values
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conditional.hlsl (fxc's words recorded beside each line as fxc-error) ("lu3 = b4.x ? u3 : u3;": X3020: type mismatch between conditional values)
#include "probe_stages.hlsli"
struct Pair
{
    float a;
    float b;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Pair first = (Pair)position.x;
    Pair second = (Pair)position.y;
    Pair chosen = position.x > 0.25 ? first : second;
    return float4(chosen.a, chosen.b, 0, 1);
}

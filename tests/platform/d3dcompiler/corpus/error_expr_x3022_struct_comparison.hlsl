// Windows: structures cannot be compared.
// verdict: compile-error PSMain X3022
// group: statements
// error text: error X3022: scalar, vector, or matrix expected
// source: DirectXShaderCompiler's tools/clang/test/HLSL/more-operators.hlsl ("(mixed_ss >= mixed_ss)": X3022: scalar, vector, or matrix expected)
#include "probe_stages.hlsli"
struct Pair
{
    float a;
    float b;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Pair p = (Pair)position.x;
    Pair q = (Pair)position.y;
    return p == q;
}

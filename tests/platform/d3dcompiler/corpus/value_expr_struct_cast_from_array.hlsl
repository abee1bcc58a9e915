// Windows: an array cast to a structure of as many components fills its
// members in order.
// verdict: accepted
// probe: 1 2 3 1
// group: conversions
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (fxc's verdict recorded beside each cast as fxc-pass or fxc-error) ("(S2)a2" compiles)
#include "probe_stages.hlsli"
struct Triple
{
    float x;
    float2 yz;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float values[3] = { one, 2 * one, 3 * one };
    Triple triple = (Triple)values;
    return float4(triple.x, triple.yz, 1);
}

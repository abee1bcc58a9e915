// Windows: a structure cast to an array of as many components fills its
// elements in order.
// verdict: accepted
// probe: 1 2 3 1
// group: conversions
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (fxc's verdict recorded beside each cast as fxc-pass or fxc-error) ("(A2)s2" compiles)
#include "probe_stages.hlsli"
typedef float Three[3];
struct Triple
{
    float x;
    float2 yz;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Triple triple;
    triple.x = one;
    triple.yz = float2(2, 3) * one;
    Three values = (Three)triple;
    return float4(values[0], values[1], values[2], 1);
}

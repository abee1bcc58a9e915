// Windows: a float2 cannot be cast to a 2x2 matrix, which has more components.
// verdict: compile-error PSMain X3017
// group: conversions
// error text: error X3017: cannot convert from 'float2' to 'float2x2'
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (fxc's verdict and words recorded beside each cast as fxc-pass or fxc-error) ("(int2x2)v2": X3017: cannot convert from 'int2' to 'int2x2')
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2 v = position.xy;
    float2x2 m = (float2x2)v;
    return float4(m[0], m[1]);
}

// Windows: a vector cannot be cast to a longer vector.
// verdict: compile-error PSMain X3017
// group: conversions
// error text: error X3017: cannot convert from 'float2' to 'float4'
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (fxc's verdict and words recorded beside each cast as fxc-pass or fxc-error) ("(int4)v2": X3017: cannot convert from 'int2' to 'int4')
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2 v = position.xy;
    return (float4)v;
}

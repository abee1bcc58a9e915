// Windows: a vector cast to float1x1 keeps its first component; a float1
// converts to a scalar.
// verdict: accepted
// probe: 3 3 1 1
// group: conversions
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (fxc's verdict recorded beside each line: "to_m1x1(v2)" only warns of truncation; "to_i(v1)" compiles); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-conversions
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float1x1 m = (float1x1)(float2(3, 4) * one);
    float1 v = m._11;
    float s = (float)v;
    return float4(m._11, s, one, 1);
}

// Windows: a 2x2 matrix cast to a float4 gives its components row by row.
// verdict: accepted
// probe: 1 2 3 4
// group: conversions
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (fxc's verdict recorded beside each cast as fxc-pass or fxc-error) ("to_v4(m2x2)" compiles); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-matrix (_11, _12 are the first row)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 m = float2x2(1, 2, 3, 4) * one;
    return (float4)m;
}

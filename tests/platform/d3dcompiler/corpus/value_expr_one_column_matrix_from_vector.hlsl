// Windows: a float2 initialises a float2x1 and a float1x2 component by
// component.
// verdict: accepted
// probe: 1 2 1 2
// group: types
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (fxc's verdict recorded beside each line: "to_m1x2(v2)", "to_m2x1(v2)" compile); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-matrix (rows and columns from 1 to 4)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2 v = float2(1, 2) * one;
    float2x1 column = v;
    float1x2 row = v;
    return float4(column._11, column._21, row._11, row._12);
}

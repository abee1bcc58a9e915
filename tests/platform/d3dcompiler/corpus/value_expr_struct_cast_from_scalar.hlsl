// Windows: a scalar cast to a structure gives every component its value.
// verdict: accepted
// probe: 3 3 3 1
// group: conversions
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (fxc's verdict recorded beside each cast as fxc-pass or fxc-error) ("(S2)i" compiles); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (casts between shapes keep the leading components)
#include "probe_stages.hlsli"
struct Pair
{
    float a;
    float2 b;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Pair pair = (Pair)(3 * one);
    return float4(pair.a, pair.b, 1);
}

// Windows: a cast between structures converts each component to the target
// member's type: ints to floats, floats to ints toward zero.
// verdict: accepted
// probe: -3 5 2 -1
// group: conversions
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (fxc's verdict recorded beside each cast as fxc-pass or fxc-error) ("(S1)s2" compiles); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-conversions (float to int truncates)
#include "probe_stages.hlsli"
struct Ints
{
    int a;
    int2 b;
};
struct Floats
{
    float a;
    float2 b;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Ints ints;
    ints.a = -3 * (int)one;
    ints.b = int2(5, 6) * (int)one;
    Floats floats = (Floats)ints;
    Floats fractions;
    fractions.a = 2.75 * one;
    fractions.b = float2(-1.5, 9.0) * one;
    Ints back = (Ints)fractions;
    return float4(floats.a, floats.b.x, back.a, back.b.x);
}

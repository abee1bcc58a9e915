// Windows: a structure reached through a member cast to a smaller structure
// keeps the leading components.
// verdict: accepted
// probe: 0.5 1.5 2.5 1
// group: conversions
// source: DirectXShaderCompiler's tools/clang/test/HLSL/conversions-between-type-shapes.hlsl (fxc's verdict recorded beside each cast as fxc-pass or fxc-error) ("(S1)s2" compiles); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (casts between shapes keep the leading components)
#include "probe_stages.hlsli"
struct Small
{
    float3 f3;
};
struct Mixed
{
    float3 f3;
    float s;
};
struct Holder
{
    float tag;
    Mixed mixed;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Holder holder;
    holder.tag = 7;
    holder.mixed.f3 = float3(position.x, position.x + 1.0, position.x + 2.0);
    holder.mixed.s = 9.0;
    Small small = (Small)holder.mixed;
    return float4(small.f3, position.w * 0.5);
}

// Windows: an explicit cast of a structure to one with fewer components keeps
// the leading components.
// verdict: accepted
// probe: 0.5 1.5 2.5 1
// group: conversions
// source: DirectXShaderCompiler's tools/clang/test/HLSL/more-operators.hlsl (fxc's output recorded beside each line as fxc-error) (the cast "(f3_s)mixed_ss" compiles; only the implicit assignment is refused); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math
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
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Mixed mixed;
    mixed.f3 = float3(position.x, position.x + 1.0, position.x + 2.0);
    mixed.s = 9.0;
    Small small = (Small)mixed;
    return float4(small.f3, position.w * 0.5);
}

// Windows: with overloads for float, float2 and uint3, float3 arguments are
// no ambiguity: converting the component type (to uint3) is preferred to
// dropping components (to float2 or float).
// verdict: accepted
// group: functions
// source: tryMinimums in DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl (minimum(float3, float3) against float, float2 and uint3 overloads), which fxc compiles; llvm-project's clang/test/SemaHLSL/TruncationOverloadResolution.hlsl ("Prefer conversion over exact match truncation")
float Smaller(float a, float b)
{
    return a > b ? b : a;
}
float2 Smaller(float2 a, float2 b)
{
    return float2(Smaller(a.x, b.x), Smaller(a.y, b.y));
}
uint3 Smaller(uint3 a, uint3 b)
{
    return a > b ? b : a;
}
float Shade(float y)
{
    float3 low = float3(y, 0.25, 0.5);
    float3 high = float3(0.5, y, 0.25);
    low = Smaller(low, high);
    return low.x + low.y + low.z;
}
#include "shade_stages.hlsli"

// Windows: a default value may be a vector constructor of literals, and a
// call may give the parameter a value of its own instead.
// verdict: accepted
// probe: 6 60 3 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters ("Parameters can have default values"; "[InputModifier] Type Name [: Semantic] [InterpolationModifier] [= Initializers]")
#include "probe_stages.hlsli"
float Sum(float scale, float3 v = float3(1, 2, 3))
{
    return scale * (v.x + v.y + v.z);
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(Sum(one), Sum(10.0 * one), Sum(one, float3(1, 1, 1)), one);
}

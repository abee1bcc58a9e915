// Windows: overloads on two structures of the same components are ambiguous
// for a value of either.
// verdict: compile-error PSMain X3067
// group: functions
// error text: ambiguous function call
// source: DirectXShaderCompiler issue 1694 (foo(TYPE_A) and foo(TYPE_B), each one float3: "the behavior is consistent with FXC"); fxc's words for X3067 as functions.hlsl in DirectXShaderCompiler records them ("'fn_uint_oload': ambiguous function call")
#include "probe_stages.hlsli"
struct TypeA
{
    float3 a;
};
struct TypeB
{
    float3 b;
};
float Pick(TypeA value)
{
    return 1;
}
float Pick(TypeB value)
{
    return 2;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    TypeA a;
    a.a = position.xyz;
    return Pick(a);
}

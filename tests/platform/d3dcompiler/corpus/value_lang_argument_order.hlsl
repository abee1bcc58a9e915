// Windows: a call's arguments are evaluated left to right, so side effects
// in them happen in that order.
// verdict: accepted
// probe: 1 12 12 2
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (expressions are evaluated as in C; fxc evaluates arguments from left to right, as DirectXShaderCompiler's documentation of fxc-compatible evaluation order says); reasoning
#include "probe_stages.hlsli"
static float s_digits;
float Push(float digit)
{
    s_digits = s_digits * 10.0 + digit;
    return s_digits;
}
float2 Pair(float a, float b)
{
    return float2(a, b);
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2 pair = Pair(Push(1.0), Push(2.0 + position.x * 0.0));
    return float4(pair, s_digits, 2.0);
}

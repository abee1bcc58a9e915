// Windows: a function of the source named like an intrinsic with another
// parameter list overloads it: a call of two arguments is the source's, one
// of three the intrinsic.
// verdict: accepted
// probe: 111 5 1 1
// group: functions
// source: DirectXShaderCompiler issue 1559 (fxc takes user functions named like intrinsics, preferring the user's); the intrinsic lerp takes three arguments (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-lerp), so the three-argument call can only be it
#include "probe_stages.hlsli"
float lerp(float a, float b)
{
    return a + b + 100;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(lerp(one, 10 * one), lerp(0, 10 * one, 0.5), 1, 1);
}

// Windows: a source's dot on int2 is called for int2 arguments; float3
// arguments still reach the intrinsic.
// verdict: accepted
// probe: 7 14 1 1
// group: functions
// source: DirectXShaderCompiler issue 1559 (fxc takes user functions named like intrinsics, preferring the user's for its own parameter types); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-dot
#include "probe_stages.hlsli"
int dot(int2 a, int2 b)
{
    return 7;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    int2 i = int2(1, 2) * (int)one;
    float3 f = float3(1, 2, 3) * one;
    return float4(dot(i, i), dot(f, f), 1, 1);
}

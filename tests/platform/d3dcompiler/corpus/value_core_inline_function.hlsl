// Windows: inline before a function's return type is taken (every function is
// inlined); the function computes as any other.
// verdict: accepted
// probe: 9 4 1 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax (StorageClass: "inline is currently the only modifier value", also the default)
#include "probe_stages.hlsli"
inline float Square(float x)
{
    return x * x;
}
inline float2 Pair(float x)
{
    return float2(Square(x), x + 1.0);
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2 p = Pair(3.0 * one);
    return float4(p.x, p.y, one, 1);
}

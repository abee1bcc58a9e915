// Windows: overloads on int and uint take the literal's type: 5 is an int,
// 5u a uint, and a uint variable picks the uint overload.
// verdict: accepted
// probe: 1 2 2 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (integer literals, suffix u) and dx-graphics-hlsl-function-syntax (overloads by parameter type)
#include "probe_stages.hlsli"
float Kind(int x)
{
    return 1.0;
}
float Kind(uint x)
{
    return 2.0;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint u = (uint)(position.x * 2.0);
    int i = (int)u;
    return float4(Kind(5), Kind(5u), Kind(u), Kind(i));
}

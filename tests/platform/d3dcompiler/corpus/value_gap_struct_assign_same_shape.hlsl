// Windows: a structure copied whole and returned keeps its members.
// verdict: accepted
// probe: 0.5 2 3 1
// group: conversions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (a structure is a type; values of it are assigned and returned whole)
#include "probe_stages.hlsli"
struct Pair
{
    float a;
    float2 b;
};
Pair Copy(Pair p)
{
    Pair q = p;
    return q;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Pair p;
    p.a = position.x;
    p.b = float2(2, 3);
    Pair r = Copy(p);
    return float4(r.a, r.b, position.w * 0.5);
}

// Windows: a Buffer of a structure that fits one register reads each
// element's components into the members in order, by index or Load.
// verdict: accepted
// probe: 5 7 2 10
// group: resources
// buffer t0: typed r32g32b32a32_float 2 : 1 2 3 4 5 6 7 8
// buffer t1: typed r32g32b32a32_uint 1 : 9 10 11 12
// source: DirectXShaderCompiler issue 1370, where a compiler developer reports that fxc.exe accepts Buffer<S> and RWBuffer<S> "as long as the members can be fit in a 4-component vector"; learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-buffer (Load)
#include "resource_stages.hlsli"
struct Pair
{
    float a;
    float2 b;
};
struct Ids
{
    uint first;
    uint second;
};
Buffer<Pair> pairs : register(t0);
Buffer<Ids> ids : register(t1);
float4 PSMain() : SV_Target
{
    Pair p = pairs[1];
    Pair q = pairs.Load(0);
    return float4(p.a, p.b.y, q.b.x, ids[0].second);
}

// Windows: a method is called on an array element and on a structure member
// as on a variable, and writes through them to the element or member.
// verdict: accepted
// probe: 2 6 5 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class (methods of classes as in C++) and dx-graphics-hlsl-struct
#include "probe_stages.hlsli"
struct Cell
{
    float v;
    float Get()
    {
        return v;
    }
    void Set(float x)
    {
        v = x;
    }
};
struct Outer
{
    Cell inner;
    float pad;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Cell cells[2];
    cells[0].v = one;
    cells[1].v = 2.0 * one;
    Outer o;
    o.inner.v = 3.0;
    o.pad = 0;
    o.inner.Set(6.0 * one);
    cells[0].Set(5.0);
    return float4(cells[1].Get(), o.inner.Get(), cells[0].Get(), one);
}

// Windows: a method may call a method of its structure declared after it,
// as a C++ class's methods see all of the class.
// verdict: accepted
// probe: 8 4 1 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class ("Classes behave in a similar manner to classes in C++")
#include "probe_stages.hlsli"
struct Doubler
{
    float v;
    float Quad()
    {
        return Twice() * 2.0;
    }
    float Twice()
    {
        return v * 2.0;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Doubler d;
    d.v = 2.0 * one;
    return float4(d.Quad(), d.Twice(), one, 1);
}

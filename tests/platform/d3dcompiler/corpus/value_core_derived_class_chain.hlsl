// Windows: a class derived from a derived class holds the members of both
// bases, and a method declared again at any level hides the ones below.
// verdict: accepted
// probe: 1 2 3 30
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class ("A class can inherit from zero or one class"; cHemiAmbientLight : cAmbientLight : iBaseLight)
#include "probe_stages.hlsli"
class A
{
    float a;
    float Level()
    {
        return 10.0;
    }
};
class B : A
{
    float b;
    float Level()
    {
        return 20.0;
    }
};
class C : B
{
    float c;
    float Level()
    {
        return 30.0;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    C x;
    x.a = one;
    x.b = 2.0 * one;
    x.c = 3.0 * one;
    return float4(x.a, x.b, x.c, x.Level());
}

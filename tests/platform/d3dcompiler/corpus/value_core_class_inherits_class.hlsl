// Windows: a class may derive from one class; it holds the base's members and
// methods, and a method it declares again hides the base's.
// verdict: accepted
// probe: 2 5 7 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class ("A class can inherit from zero or one class and zero or more interfaces"; class cHemiAmbientLight : cAmbientLight)
#include "probe_stages.hlsli"
class Base
{
    float scale;
    float Scaled(float x)
    {
        return scale * x;
    }
    float Name()
    {
        return 1.0;
    }
};
class Derived : Base
{
    float offset;
    float Name()
    {
        return 7.0;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Derived d;
    d.scale = 2.0 * one;
    d.offset = 3.0 * one;
    Base b;
    b.scale = one;
    return float4(d.scale, d.Scaled(one) + d.offset, d.Name(), b.Name());
}

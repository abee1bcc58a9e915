// Windows: a class derived from a class that implements an interface takes
// the base's methods, and may declare an interface method again.
// verdict: accepted
// probe: 4 2 8 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class ("Classes must implement or inherit implementations for all interfaces in their inheritance chain"; class cHemiAmbientLight : cAmbientLight)
#include "probe_stages.hlsli"
interface ILight
{
    float Ambient(float x);
    float Diffuse(float x);
};
class Plain : ILight
{
    float strength;
    float Ambient(float x)
    {
        return strength * x;
    }
    float Diffuse(float x)
    {
        return x;
    }
};
class Strong : Plain
{
    float Diffuse(float x)
    {
        return 4.0 * x * strength;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Strong s;
    s.strength = 2.0 * one;
    Plain p;
    p.strength = one;
    return float4(s.Ambient(2.0), p.Ambient(2.0), s.Diffuse(one), p.Diffuse(one));
}

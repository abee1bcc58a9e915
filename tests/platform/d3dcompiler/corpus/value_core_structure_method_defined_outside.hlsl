// Windows: a structure's method, static or not, may be declared in it and
// defined after it, named Structure::Method, as a class's may.
// verdict: accepted
// probe: 3 4 10 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class (methods declared in the class, defined after it as in the DynamicShaderLinkage11 sample's "float3 cAmbientLight::IlluminateAmbient(float3 vNormal)"; structures and classes alike behave as C++'s)
#include "probe_stages.hlsli"
struct Pair
{
    float a;
    float b;
    float Sum();
    static float Twice(float x);
    float Both();
};
float Pair::Sum()
{
    return a + b;
}
float Pair::Twice(float x)
{
    return x * 2.0;
}
float Pair::Both()
{
    return Twice(Sum()) + Sum() + a;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Pair p;
    p.a = one;
    p.b = 2.0 * one;
    return float4(p.Sum(), Pair::Twice(2.0 * one), p.Both(), one);
}

// Windows: a method declared in its class may be defined after the class,
// named Class::Method.
// verdict: accepted
// probe: 6 4 1 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class (methods declared in the class, "float3 IlluminateAmbient(float3 vNormal);") and the DynamicShaderLinkage11 sample, whose methods are defined as "float3 cAmbientLight::IlluminateAmbient(float3 vNormal)"
#include "probe_stages.hlsli"
interface IScale
{
    float Apply(float x);
};
class Tripler : IScale
{
    float factor;
    float Apply(float x);
};
float Tripler::Apply(float x)
{
    return factor * x;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Tripler t;
    t.factor = 3.0;
    return float4(t.Apply(2.0 * one), t.Apply(one) + one, one, 1);
}

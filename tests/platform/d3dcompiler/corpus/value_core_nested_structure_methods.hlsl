// Windows: a method may call a method of a member structure, and give values
// back through out parameters; a member's method is called on the member.
// verdict: accepted
// probe: 7 3 3 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class (methods of classes and structures as in C++) and dx-graphics-hlsl-function-parameters (out parameters)
#include "probe_stages.hlsli"
struct Inner
{
    float w;
    float Scaled(float k)
    {
        return w * k;
    }
};
struct Outer
{
    Inner inner;
    float bias;
    float Total()
    {
        return inner.Scaled(2.0) + bias;
    }
    void Parts(out float weight, out float offset)
    {
        weight = inner.Scaled(1.0);
        offset = bias;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Outer o;
    o.inner.w = 3.0 * one;
    o.bias = one;
    float weight, offset;
    o.Parts(weight, offset);
    return float4(o.Total(), o.inner.Scaled(one), weight, offset);
}

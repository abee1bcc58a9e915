// Windows: a class instance may be a constant buffer member, its members read
// from the buffer and its methods called on it.
// verdict: accepted
// probe: 4 8 5 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class ("Each class ... must be declared as a variable in a constant buffer"; cbuffer cbPerFrame { cAmbientLight g_ambientLight; ... }); dx-graphics-hlsl-packing-rules (a structure starts a new register)
#include "probe_stages.hlsli"
interface IScale
{
    float Apply(float x);
};
class Scale : IScale
{
    float factor;
    float bias;
    float Apply(float x)
    {
        return factor * x;
    }
};
cbuffer Values : register(b0)
{
    float unused;
    Scale scale;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(scale.factor, scale.Apply(2.0 * one), scale.bias, one);
}

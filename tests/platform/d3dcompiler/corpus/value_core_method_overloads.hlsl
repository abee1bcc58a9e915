// Windows: a structure's methods may share a name and differ in their
// parameters; each call takes the method its arguments match.
// verdict: accepted
// probe: 2 12 5 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax (functions overloaded by their parameters) and overviews-direct3d-11-hlsl-dynamic-linking-class (methods as C++ classes have them)
#include "probe_stages.hlsli"
struct Weights
{
    float w;
    float Mix(float a)
    {
        return w * a;
    }
    float Mix(float a, float b)
    {
        return w * (a + b);
    }
    float Mix(float2 v)
    {
        return v.x + v.y + w;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Weights m;
    m.w = 2.0 * one;
    return float4(m.Mix(one), m.Mix(2.0, 4.0 * one), m.Mix(float2(1, 2) * one), one);
}

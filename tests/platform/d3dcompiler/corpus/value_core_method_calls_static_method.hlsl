// Windows: a structure's method may call a static method of its structure by
// its bare name, and read its own members beside it.
// verdict: accepted
// probe: 12 2 3 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class (methods of classes and structures as in C++); DirectXShaderCompiler issue 664 (fxc accepts static members named S::member)
#include "probe_stages.hlsli"
struct Scaler
{
    float k;
    static float Twice(float x)
    {
        return x * 2.0;
    }
    float Scaled(float x)
    {
        return Twice(Twice(x)) * k;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Scaler s;
    s.k = 3.0 * one;
    return float4(s.Scaled(one), Scaler::Twice(one), s.k, one);
}

// Windows: a method's parameters may have default values and be out
// parameters, as a function's.
// verdict: accepted
// probe: 3 12 5 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (default values, out) and overviews-direct3d-11-hlsl-dynamic-linking-class (methods)
#include "probe_stages.hlsli"
struct Scaler
{
    float k;
    float Scale(float x, float extra = 1.0)
    {
        return k * x + extra;
    }
    void Split(float x, out float whole, out float rest)
    {
        whole = floor(x * k);
        rest = x * k - whole;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Scaler s;
    s.k = 2.0 * one;
    float whole, rest;
    s.Split(2.75, whole, rest);
    return float4(s.Scale(one), s.Scale(5.0, 2.0), whole, rest * 2.0);
}

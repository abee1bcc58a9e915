// Windows: a method may be called on a static const structure initialised by
// a list; it only reads the members.
// verdict: accepted
// probe: 3 2 1 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (static const with an initial value) and overviews-direct3d-11-hlsl-dynamic-linking-class (methods)
#include "probe_stages.hlsli"
struct Pair
{
    float a;
    float b;
    float Sum()
    {
        return a + b;
    }
};
static const Pair kPair = { 1.0, 2.0 };
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(kPair.Sum() * one, kPair.b, kPair.a, one);
}

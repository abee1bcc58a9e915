// Windows: two classes may implement one interface, each with its own body of
// the method; a local of each class calls its own.
// verdict: accepted
// probe: 2 0.5 2.5 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class ("Classes must implement or inherit implementations for all interfaces in their inheritance chain")
#include "probe_stages.hlsli"
interface IOp
{
    float Run(float x);
};
class Twice : IOp
{
    float Run(float x)
    {
        return 2.0 * x;
    }
};
class Half : IOp
{
    float Run(float x)
    {
        return 0.5 * x;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Twice t;
    Half h;
    return float4(t.Run(one), h.Run(one), t.Run(one) + h.Run(one), 1);
}

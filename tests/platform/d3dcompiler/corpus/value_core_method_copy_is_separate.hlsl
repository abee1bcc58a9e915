// Windows: a structure is copied by value, so a method writing a copy leaves
// the original as it was.
// verdict: accepted
// probe: 1 9 1 9
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (structures are values) and dx-graphics-hlsl-function-parameters ("parameters are passed by value")
#include "probe_stages.hlsli"
struct Box
{
    float v;
    void Set(float x)
    {
        v = x;
    }
};
Box Filled(Box b)
{
    b.Set(9.0);
    return b;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Box a;
    a.v = one;
    Box b = a;
    b.Set(9.0 * one);
    Box c = Filled(a);
    return float4(a.v, b.v, a.v, c.v);
}

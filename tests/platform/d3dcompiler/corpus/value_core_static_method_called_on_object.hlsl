// Windows: a static method may be called through a variable of its
// structure, as in C++; the variable's members play no part.
// verdict: accepted
// probe: 6 2 1 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class ("behave in a similar manner to classes in C++": C++ calls a static member function through an object as through its class)
#include "probe_stages.hlsli"
struct Helper
{
    float unused;
    static float Twice(float x)
    {
        return x * 2.0;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Helper h;
    h.unused = 7.0;
    return float4(h.Twice(3.0 * one), Helper::Twice(one), one, 1);
}

// Windows: an out parameter written twice gives the caller its last value;
// an inout parameter and an in parameter given one variable are separate
// copies; one variable given to two out parameters takes the one copied
// back last, the right-hand one.
// verdict: accepted
// probe: 6 9 2 3
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters ("out indicates that the last value of the parameter should be copied out"; parameters are always passed by value); the order of copies back is not written down: the WGSL meeting of 2022-06-28 (gpuweb issue 1457) records that fxc and dxc copy back alike, and Clang's HLSL function-call notes give V == 2 for Init(V, V) writing Y = 2, X = 1 in dxc's order, the parameters copied back left to right
#include "probe_stages.hlsli"
void Twice(out float x)
{
    x = 1;
    x = x + 5;
}
void AddTwice(inout float a, float b)
{
    a += b;
    a += b;
}
void Init(out float x, out float y)
{
    y = 2;
    x = 1;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float x;
    Twice(x);
    float y = one * 3;
    AddTwice(y, y);
    float v = 0;
    Init(v, v);
    return float4(x, y, v, one * 3);
}

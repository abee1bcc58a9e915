// Windows: an inout parameter is copied in at the call and out at its return,
// so the function reads the global it was given at its old value while the
// parameter changes, and the global holds the new value after the call.
// verdict: accepted
// probe: 1 5 5 2
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters ("inout: Input and output data ... copied into the function and copied back", "out: ... the parameter value is copied back to the caller")
#include "probe_stages.hlsli"
static float g_value;
float Replace(inout float target, float with)
{
    target = with;
    return g_value;
}
void Add(inout float a, float b)
{
    a += b;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    g_value = one;
    float before = Replace(g_value, 5.0 * one);
    float x = one;
    Add(x, x);
    return float4(before, g_value, g_value * one, x);
}

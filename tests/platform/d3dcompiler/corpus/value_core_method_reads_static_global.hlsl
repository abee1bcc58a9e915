// Windows: a method reads and writes static globals as a function does.
// verdict: accepted
// probe: 3 2 5 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class (methods) and dx-graphics-hlsl-variable-syntax (static globals, the shader's own)
#include "probe_stages.hlsli"
static float g_calls = 0;
struct Tally
{
    float base;
    float Next()
    {
        g_calls += 1;
        return base + g_calls;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Tally t;
    t.base = 2.0 * one;
    float first = t.Next();
    t.Next();
    return float4(first, g_calls, t.base + 3.0, one);
}

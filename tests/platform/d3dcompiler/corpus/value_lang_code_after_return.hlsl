// Windows: statements after a return in the same block never run, and the
// shader compiles.
// verdict: accepted
// probe: 1 2 0 1
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-return ("A return statement signals the end of a function")
#include "probe_stages.hlsli"
static float s_touched;
float Early(float x)
{
    return x;
    s_touched = 5.0;
    return x * 100.0;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float a = Early(position.x * 2.0);
    float b = Early(2.0);
    return float4(a, b, s_touched, 1.0);
}

// Windows: a function without parameters may say so with void, as in C.
// verdict: accepted
// probe: 3 1 1 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax (Name ( [ArgumentList] )); an empty list written void as C writes it
#include "probe_stages.hlsli"
static float g_three = 3.0;
float Three(void)
{
    return g_three;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(Three() * one, one, 1, 1);
}

// Windows: a function declared before its body may be called before the
// body appears.
// verdict: accepted
// probe: 3 0.5 0 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax (a function declaration; the body may follow later) and dx-graphics-hlsl-functions
#include "probe_stages.hlsli"
float Triple(float x);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(Triple(position.x * 2.0), position.x, 0.0, 1.0);
}
float Triple(float x)
{
    return x * 3.0;
}

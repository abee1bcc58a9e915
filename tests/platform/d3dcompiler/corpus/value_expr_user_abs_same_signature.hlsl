// Windows: a function of the source with an intrinsic's name and signature is
// called in its place.
// verdict: accepted
// probe: 42 1 1 1
// group: functions
// source: DirectXShaderCompiler issue 1887 (for "int abs(int x) { return 42; }" fxc's output is "mov o0.x, l(42)") and issue 1559 ("In FXC, it is legal/valid for users to override intrinsic functions ... FXC gives precedence to the user-defined method")
#include "probe_stages.hlsli"
float abs(float x)
{
    return 42;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(abs(-one), one, 1, 1);
}

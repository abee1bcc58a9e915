// Windows: an array passed by value is a copy: the callee's writes do not
// reach the caller's array.
// verdict: accepted
// probe: 123 1 2 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (in: copied in only, the default); DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl ("fn_float_arr(float arr[2])" writes arr[0] and compiles with fxc)
#include "probe_stages.hlsli"
float Change(float values[2])
{
    values[0] = 123;
    return values[0];
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float values[2] = { one, 2 * one };
    float changed = Change(values);
    return float4(changed, values[0], values[1], 1);
}

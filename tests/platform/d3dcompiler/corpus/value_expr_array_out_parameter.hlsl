// Windows: an array out parameter is copied back to the caller's array.
// verdict: accepted
// probe: 1 2 3 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (out: copied back when the function returns; any type, arrays included); DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl ("fn_float_arr_out(out float arr[2])" compiles with fxc)
#include "probe_stages.hlsli"
void Fill(out float values[3], float scale)
{
    values[0] = scale;
    values[1] = 2 * scale;
    values[2] = 3 * scale;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float values[3];
    Fill(values, position.x * 2.0);
    return float4(values[0], values[1], values[2], 1);
}

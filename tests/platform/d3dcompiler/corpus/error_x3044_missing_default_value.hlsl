// Windows: every parameter after one with a default value needs one too.
// verdict: compile-error PSMain X3044
// group: functions
// error text: 'Scale': missing default value for parameter 'b'
// source: fxc's "X3044: 'fn_params_wrong': missing default value for parameter 'b'", quoted in DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (default values)
float Scale(float a = 1.0, float b)
{
    return a * b;
}
float Shade(float y)
{
    return 0.5 + Scale(0.5, y);
}
#include "shade_stages.hlsli"

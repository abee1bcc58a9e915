// Windows: trailing parameters with default values may be left out of a call.
// verdict: accepted
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters ("Parameters can have default values"); fn_params_last in DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl compiles with fxc
float Scale(float a, float b = 0.5, float c = 0.5)
{
    return a * b + c;
}
float Shade(float y)
{
    return Scale(y) + Scale(y, 0.25);
}
#include "shade_stages.hlsli"

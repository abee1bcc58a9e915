// Windows: a call with fewer arguments than the function takes.
// verdict: compile-error PSMain X3013
// group: functions
// error text: 'Scale': no matching 1 parameter function
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3013: no matching function); fxc's "no matching N parameter" words for intrinsics, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/ tests, say "function" for a user function
float Scale(float a, float b)
{
    return a * b;
}
float Shade(float y)
{
    return 0.5 + Scale(y);
}
#include "shade_stages.hlsli"

// Windows: a function defined twice with the same parameters.
// verdict: compile-error PSMain X3003
// group: functions
// error text: redefinition of 'Half'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings; fxc's "X3003: redefinition of 't_row_mat_sno'", quoted in DirectXShaderCompiler's tools/clang/test/HLSL/matrix-syntax.hlsl
float Half(float y)
{
    return 0.5 * y;
}
float Half(float y)
{
    return y / 2.0;
}
float Shade(float y)
{
    return 0.5 + Half(y);
}
#include "shade_stages.hlsli"

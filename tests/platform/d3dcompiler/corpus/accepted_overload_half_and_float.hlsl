// Windows: half and float are different types to overloading, though at
// shader model 5 both compute in 32 bits: both definitions stand.
// verdict: accepted
// group: functions
// source: github.com/microsoft/DirectXShaderCompiler/issues/1397 ("fxc will happily do this": half func(half) beside float func(float)); fn_redef3(half) and fn_redef3(float) in DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl, which fxc compiles; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (half)
float Twice(half x)
{
    return x * 2;
}
float Twice(float x)
{
    return x + x;
}
float Shade(float y)
{
    return 0.5 + 0.25 * Twice(y);
}
#include "shade_stages.hlsli"

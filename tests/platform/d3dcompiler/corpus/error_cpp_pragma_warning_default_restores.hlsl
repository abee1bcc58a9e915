// Windows: a truncation between #pragma warning(disable : 3206) and
// #pragma warning(default : 3206) gives no warning, one after the second
// does, an error under D3DCOMPILE_WARNINGS_ARE_ERRORS.
// verdict: compile-error PSMain X3206
// flags: WARNINGS_ARE_ERRORS
// error text: error_cpp_pragma_warning_default_restores.hlsl(14,
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-warning (default: the listed warnings go back to their default behaviour) and dx-graphics-hlsl-appendix-preprocessor (directives apply to the remainder of the file)
#pragma warning(disable : 3206)
float Shade(float y)
{
    float2 pair = float4(0.5 + 0.0 * y, 0.5, 0.25, 0.125);
#pragma warning(default : 3206)
    float2 other = float3(0.25, 0.5, 0.75);
    return pair.x + other.y;
}
#include "shade_stages.hlsli"

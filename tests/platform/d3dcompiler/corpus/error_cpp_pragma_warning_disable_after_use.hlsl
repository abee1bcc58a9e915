// Windows: #pragma warning(disable : 3206) applies to the lines after it, so
// a truncation before it still warns, an error under
// D3DCOMPILE_WARNINGS_ARE_ERRORS; the one after it does not.
// verdict: compile-error PSMain X3206
// flags: WARNINGS_ARE_ERRORS
// error text: error_cpp_pragma_warning_disable_after_use.hlsl(11,
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-preprocessor ("Preprocessor directives can appear anywhere in a source file, but they apply only to the remainder of the source file") and dx-graphics-hlsl-appendix-pre-pragma-warning (disable)
float Shade(float y)
{
    float2 pair = float4(0.5 + 0.0 * y, 0.5, 0.25, 0.125);
#pragma warning(disable : 3206)
    float2 other = float3(0.25, 0.5, 0.75);
    return pair.x + other.y;
}
#include "shade_stages.hlsli"

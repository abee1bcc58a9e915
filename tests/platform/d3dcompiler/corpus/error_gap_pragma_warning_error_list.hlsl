// Windows: #pragma warning(error : ...) with a list makes each listed
// warning an error.
// verdict: compile-error PSMain X3206
// group: warnings
// error text: implicit truncation of vector type
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-warning ("error: Treat the specified warnings as errors"; a warning-number-list)
#pragma warning(error : 3571 3206)
float Shade(float y)
{
    float2 pair = float4(0.5 + 0.0 * y, 0.5, 0.25, 0.125);
    return pair.x;
}
#include "shade_stages.hlsli"

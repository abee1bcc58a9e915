// Windows: #pragma warning(disable : ...) takes a list of numbers, each
// silenced, so even under D3DCOMPILE_WARNINGS_ARE_ERRORS it compiles.
// verdict: accepted
// flags: WARNINGS_ARE_ERRORS
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-warning ("warning-specifier : warning-number-list")
#pragma warning(disable : 3571 3206)
float Shade(float y)
{
    float2 pair = float4(0.5 + 0.0 * y, 0.5, 0.25, 0.125);
    return pair.x;
}
#include "shade_stages.hlsli"

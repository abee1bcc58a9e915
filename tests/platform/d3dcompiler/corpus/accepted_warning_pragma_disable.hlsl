// Windows: #pragma warning(disable : 3206) silences that warning, so even
// under D3DCOMPILE_WARNINGS_ARE_ERRORS the shader compiles.
// verdict: accepted
// flags: WARNINGS_ARE_ERRORS
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-warning (disable: the listed warnings are not issued); learn.microsoft.com/windows/win32/direct3dhlsl/d3dcompile-constants
#pragma warning(disable : 3206)
float Shade(float y)
{
    float2 pair = float4(0.5 + 0.0 * y, 0.5, 0.25, 0.125);
    return pair.x;
}
#include "shade_stages.hlsli"

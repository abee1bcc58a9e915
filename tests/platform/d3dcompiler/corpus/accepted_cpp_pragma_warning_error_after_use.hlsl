// Windows: #pragma warning(error : 3206) applies to the lines after it: a
// truncation before it stays a warning and the shader compiles.
// verdict: accepted
// warning: X3206 implicit truncation of vector type
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-preprocessor ("they apply only to the remainder of the source file") and dx-graphics-hlsl-appendix-pre-pragma-warning (error: the listed warnings are reported as errors)
float Shade(float y)
{
    float2 pair = float4(0.5 + 0.0 * y, 0.5, 0.25, 0.125);
    return pair.x;
}
#pragma warning(error : 3206)
#include "shade_stages.hlsli"

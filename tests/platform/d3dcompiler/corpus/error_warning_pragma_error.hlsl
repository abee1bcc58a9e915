// Windows: #pragma warning(error : 3571) makes that warning an error.
// verdict: compile-error PSMain X3571
// group: warnings
// error text: pow(f, e) will not work for negative f
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-warning (error: the listed warnings are reported as errors)
#pragma warning(error : 3571)
float Shade(float y)
{
    return pow(y, 1.5);
}
#include "shade_stages.hlsli"

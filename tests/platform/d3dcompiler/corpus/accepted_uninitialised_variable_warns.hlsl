// Windows: reading a variable that may not have been written is warning
// X4000 (use of potentially uninitialized variable), not an error.
// verdict: accepted
// warning: X4000 use of potentially uninitialized variable (scale)
// group: conversions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X4000: use of potentially uninitialized variable)
float Shade(float y)
{
    float scale;
    if (y > 0.0)
        scale = 0.5;
    return 0.5 + scale * y;
}
#include "shade_stages.hlsli"

// Windows: a float divided by a literal zero is folded with warning X4008
// (floating point division by zero); the compile succeeds.
// verdict: accepted
// warning: X4008 floating point division by zero
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (4008: a floating point division by zero occurred, a warning); fxc's line "warning X4008: floating point division by zero" quoted in a shader's comment beside `THETA_COUNT`, a ray-marching shader's changelog and a MaterialX build's notes on fxc's folded denominators
float Shade(float y)
{
    float ratio = y / 0.0;
    return min(ratio, 0.0) * 0.0 + 0.5;
}
#include "shade_stages.hlsli"

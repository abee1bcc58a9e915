// Windows: a float divided by zero is infinity (a warning, not an error), and
// a variable divided by a constant zero is left to run time.
// verdict: accepted
// warning: X4008 floating point division by zero
// group: refuse
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (float division follows IEEE rules); only integer constant division is folded and refused; the warning, X4008 "floating point division by zero", as accepted_float_division_by_zero_warns.hlsl records it
float Shade(float y)
{
    float infinite = 1.0 / 0;
    float scaled = y / 0;
    return isinf(infinite) ? 0.5 + 0.5 * y : scaled;
}
#include "shade_stages.hlsli"

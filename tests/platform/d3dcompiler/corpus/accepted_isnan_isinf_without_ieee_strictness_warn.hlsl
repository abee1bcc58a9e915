// Windows: without IEEE strictness the compiler takes floats to be finite,
// so it warns X3577 that isnan and isinf of a value may not be necessary
// (it may fold them away), naming /Gis, the flag that keeps them.
// verdict: accepted
// warning: X3577 value cannot be NaN, isnan() may not be necessary. /Gis may force isnan() to be performed
// warning: X3577 value cannot be infinity, isinf() may not be necessary. /Gis may force isinf() to be performed
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/d3dcompile-constants (D3DCOMPILE_IEEE_STRICTNESS forces IEEE strict compile); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (3577 is a warning); fxc's line "warning X3577: value cannot be infinity, isinf() may not be necessary. /Gis may force isinf() to be performed" quoted in a renderer's shader comments, and "value cannot be NaN, isnan() may not be necessary" in a VR project's warning baseline
float Shade(float y)
{
    float ratio = y * 2.0 - 1.0;
    bool broken = isnan(ratio) || isinf(ratio);
    return broken ? 0.0 : 0.5;
}
#include "shade_stages.hlsli"

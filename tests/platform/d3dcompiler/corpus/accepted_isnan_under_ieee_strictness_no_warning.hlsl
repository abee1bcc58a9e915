// Windows: under D3DCOMPILE_IEEE_STRICTNESS (/Gis) isnan and isinf are kept
// and draw no X3577, so the compile passes with warnings made errors.
// verdict: accepted
// flags: IEEE_STRICTNESS WARNINGS_ARE_ERRORS
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/d3dcompile-constants (D3DCOMPILE_IEEE_STRICTNESS, D3DCOMPILE_WARNINGS_ARE_ERRORS); fxc's X3577 line names /Gis as what forces isnan() and isinf() to be performed
float Shade(float y)
{
    float ratio = y * 2.0 - 1.0;
    bool broken = isnan(ratio) || isinf(ratio);
    return broken ? 0.0 : 0.5;
}
#include "shade_stages.hlsli"

// Windows: a local read but written on no path is an error; one written on
// some paths only is a warning.
// verdict: compile-error PSMain X4000
// group: conversions
// error text: variable 'scale' used without having been completely initialized
// source: fxc's "error X4000: variable 'j' used without having been completely initialized" for a variable never written (quoted in projects' notes found by code search, vs_5_0); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X4000)
float Shade(float y)
{
    float scale;
    return 0.5 + scale * y;
}
#include "shade_stages.hlsli"

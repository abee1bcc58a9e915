// Windows: an error's columns are those of the source line as written, not
// of the line after its macros were expanded.
// verdict: compile-error PSMain X3004
// group: preprocessor
// error text: (10,37-45): error X3004: undeclared identifier 'brightnes'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3004: undeclared identifier); fxc reports columns of the source as written (the project's demo errors read normal.hlsl(83,37-45) for the identifier's own columns)
#define TWICE(x) ((x) + (x))
float Shade(float y)
{
    return TWICE(y) * TWICE(0.25) * brightnes;
}
#include "shade_stages.hlsli"

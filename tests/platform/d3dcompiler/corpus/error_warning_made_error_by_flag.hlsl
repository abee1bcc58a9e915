// Windows: under D3DCOMPILE_WARNINGS_ARE_ERRORS a warning fails the compile.
// verdict: compile-error PSMain X3206
// flags: WARNINGS_ARE_ERRORS
// group: warnings
// error text: implicit truncation of vector type
// source: learn.microsoft.com/windows/win32/direct3dhlsl/d3dcompile-constants (D3DCOMPILE_WARNINGS_ARE_ERRORS: treat all warnings as errors); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3206); how fxc words the line under the flag was not found quoted, so only the number and words are checked
float Shade(float y)
{
    float2 pair = float4(y, 0.5, 0.25, 0.125);
    return pair.x;
}
#include "shade_stages.hlsli"

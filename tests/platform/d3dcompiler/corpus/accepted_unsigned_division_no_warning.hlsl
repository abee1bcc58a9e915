// Windows: only signed integer division warns (X3556); dividing uints, floats,
// a signed value cast to uint, or literals the compiler folds draws no
// warning, so the compile passes even with warnings made errors.
// verdict: accepted
// flags: WARNINGS_ARE_ERRORS
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (3556 is a warning); the warning's own words, "integer divides may be much slower, try using uints if possible.", name uints as the remedy; learn.microsoft.com/windows/win32/direct3dhlsl/d3dcompile-constants (D3DCOMPILE_WARNINGS_ARE_ERRORS)
float Shade(float y)
{
    uint count = uint(y * 8.0) + 7;
    int signedCount = int(y * 4.0) + 3;
    uint eighth = count / 8;
    uint rest = count % 3u;
    uint cast = (uint)signedCount / 2;
    float part = y / 3.0;
    int folded = 7 / 2;
    return float(eighth + rest + cast) * 0.0 + part * 0.0 + float(folded) * 0.0 + 0.5;
}
#include "shade_stages.hlsli"

// Windows: comparisons whose operands agree in sign, or where the signed side
// is a literal or is cast, draw no X3203, so the compile passes with warnings
// made errors; a shift is no comparison.
// verdict: accepted
// flags: WARNINGS_ARE_ERRORS
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (3203, signed/unsigned mismatch, is a warning); learn.microsoft.com/windows/win32/direct3dhlsl/d3dcompile-constants (D3DCOMPILE_WARNINGS_ARE_ERRORS)
float Shade(float y)
{
    uint count = uint(y * 2.0) + 2;
    int limit = int(y * 2.0) + 2;
    float sum = 0.0;
    for (uint i = 0; i < count; ++i)
        sum += 0.125;
    for (int j = 0; j < limit; ++j)
        sum += 0.125;
    for (int k = 0; k < (int)count; ++k)
        sum += 0.125;
    uint shifted = count << 2;
    bool more = count > 3 && shifted >= 8u;
    return sum * 0.0 + (more ? 0.5 : 0.5);
}
#include "shade_stages.hlsli"

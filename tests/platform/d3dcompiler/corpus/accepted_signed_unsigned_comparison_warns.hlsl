// Windows: comparing a signed integer variable with an unsigned one converts
// both to unsigned, with warning X3203 (the loop's `i < count`).
// verdict: accepted
// warning: X3203 signed/unsigned mismatch, unsigned assumed
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (3203 is a warning); fxc's line "(58,16-38): warning X3203: signed/unsigned mismatch, unsigned assumed" in a game's compiled shader fix, and in ANGLE's program logs of three.js pages and a compute shader's notes
float Shade(float y)
{
    uint count = uint(y * 2.0) + 2;
    float sum = 0.0;
    for (int i = 0; i < count; ++i)
        sum += 0.125;
    return sum * 0.0 + 0.5;
}
#include "shade_stages.hlsli"

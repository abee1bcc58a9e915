// Windows: the else branch does not return.
// verdict: compile-error PSMain X3507
// error text: 'Shade': Not all control paths return a value
// source: fxc's "error X3507: 'func_i1_': Not all control paths return a value", quoted in Dawn/Tint's HLSL test expectations
float Shade(float y)
{
    float s = y;
    if (y > 0)
    {
        return 1.0;
    }
    else
    {
        s = 0.5;
    }
}
#include "shade_stages.hlsli"

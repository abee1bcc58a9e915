// Windows: a path falls off the end of a function returning float.
// verdict: compile-error PSMain X3507
// error text: 'Shade': Not all control paths return a value
// source: fxc's "error X3507: 'func_i1_': Not all control paths return a value", quoted in Dawn/Tint's HLSL test expectations
float Shade(float y)
{
    if (y > 0)
        return 1.0;
}
#include "shade_stages.hlsli"

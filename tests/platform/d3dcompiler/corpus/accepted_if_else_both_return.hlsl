// Windows: every path returns through if/else.
// verdict: accepted
// source: fxc's "error X3507: 'func_i1_': Not all control paths return a value", quoted in Dawn/Tint's HLSL test expectations
float Shade(float y)
{
    if (y > 0)
        return 1.0;
    else
        return 0.5;
}
#include "shade_stages.hlsli"

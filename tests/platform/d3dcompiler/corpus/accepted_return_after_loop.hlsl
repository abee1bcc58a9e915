// Windows: a loop followed by a return returns on every path.
// verdict: accepted
// source: fxc's "error X3507: 'func_i1_': Not all control paths return a value", quoted in Dawn/Tint's HLSL test expectations
float Shade(float y)
{
    float s = 0;
    [unroll] for (int i = 0; i < 4; ++i)
    {
        s += y;
    }
    return s;
}
#include "shade_stages.hlsli"

// Windows: `if (0)` is folded away, so the only return goes with it.
// verdict: compile-error PSMain X3507
// group: refuse
// error text: 'Shade': Not all control paths return a value
// source: fxc's "error X3507: 'func_i1_': Not all control paths return a value", quoted in Dawn/Tint's HLSL test expectations; the condition is folded as for `if (1)`
float Shade(float y)
{
    if (0)
        return y;
}
#include "shade_stages.hlsli"

// Windows: a loop whose literal bounds let it run once is unrolled with
// warning X3557, whatever its attributes ask.
// verdict: accepted
// warning: X3557 loop only executes for 1 iteration(s), forcing loop to unroll
// group: warnings
// source: fxc's "warning X3557: loop only executes for 1 iteration(s), forcing loop to unroll" quoted in Halide's CodeGen_D3D12Compute_Dev.cpp, and "loop only executes for 0 iteration(s), forcing loop to unroll" in a gfx-rs/wgpu issue on error X4010
float Shade(float y)
{
    float sum = 0.0;
    [loop] for (int i = 0; i < 1; i++)
        sum += 0.5 + 0.0 * y;
    return sum;
}
#include "shade_stages.hlsli"

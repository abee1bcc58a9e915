// Windows: an array of no elements.
// verdict: compile-error PSMain X3059
// group: types
// error text: array dimension must be between 1 and 65536
// source: fxc's "error X3059: array dimension must be between 1 and 65536", quoted in gpuweb/cts pull request 1107 and gfx-rs/gfx issue 3428
float Shade(float y)
{
    float none[0];
    return y;
}
#include "shade_stages.hlsli"

// Windows: an array of a negative size.
// verdict: compile-error PSMain X3059
// group: types
// error text: array dimension must be between 1 and 65536
// source: fxc's "error X3059: array dimension must be between 1 and 65536", quoted in gpuweb/cts pull request 1107
static const int kCount = -2;
float Shade(float y)
{
    float values[kCount];
    return y;
}
#include "shade_stages.hlsli"

// Windows: an intrinsic called with too few arguments lists its overloads on
// further lines of the same error.
// verdict: compile-error PSMain X3013
// group: functions
// error text: error X3013:     frexp(float|half, out float|half exp)
// source: fxc's output as Tint's test expectations quote it ("error X3013: 'frexp': no matching 1 parameter intrinsic function", "error X3013: Possible intrinsic functions are:", "error X3013:     frexp(float|half, out float|half exp)")
float Shade(float y)
{
    return frexp(y);
}
#include "shade_stages.hlsli"

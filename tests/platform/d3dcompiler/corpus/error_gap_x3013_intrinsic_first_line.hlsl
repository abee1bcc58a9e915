// Windows: the first line of the error names the intrinsic and the count.
// verdict: compile-error PSMain X3013
// group: functions
// error text: error X3013: 'frexp': no matching 1 parameter intrinsic function
// source: fxc's output as Tint's test expectations quote it
float Shade(float y)
{
    float whole = frexp(y);
    return whole;
}
#include "shade_stages.hlsli"

// Windows: modf with one argument: the candidates follow the error line.
// verdict: compile-error PSMain X3013
// group: functions
// error text: error X3013: Possible intrinsic functions are:
// source: fxc's output as Tint's test expectations quote it ("error X3013: 'modf': no matching 1 parameter intrinsic function", "error X3013: Possible intrinsic functions are:", "error X3013:     modf(float|half|min10float|min16float, out float|half|min10float|min16float ip)")
float Shade(float y)
{
    return modf(y);
}
#include "shade_stages.hlsli"

// Windows: dividing signed integers, or taking their remainder, is slower than
// for unsigned ones, and the compiler says so: warning X3556, "divides" for
// `/` and `/=`, "modulus" for `%`; a literal divisor does not spare it.
// verdict: accepted
// warning: X3556 integer divides may be much slower, try using uints if possible.
// warning: X3556 integer modulus may be much slower, try using uints if possible.
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (3556 is a warning); fxc's lines quoted in public records: "warning X3556: integer divides may be much slower, try using uints if possible." in a shader comment on `value / 256` (an int) and another on `GS / 256`, "integer modulus may be much slower, try using uints if possible" in a Unity compute shader report (d3d11) on a signed `%` of an int2
float Shade(float y)
{
    int count = int(y * 8.0) + 7;
    int eighth = count / 8;
    int rest = count % 3;
    count /= 2;
    return float(eighth + rest + count) * 0.0 + 0.5;
}
#include "shade_stages.hlsli"

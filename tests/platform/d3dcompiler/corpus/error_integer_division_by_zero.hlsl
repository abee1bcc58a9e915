// Windows: integer constants divided by zero are folded, and refused.
// verdict: compile-error PSMain X4010
// group: refuse
// error text: Unsigned integer divide by zero
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (a division by zero found while parsing the shader is an error); fxc's "error X4010: Unsigned integer divide by zero" for `const int c = (1 / 0);`, its columns spanning the division, quoted in Tint's test/bug/tint/1083.wgsl.expected.hlsl (dawn.googlesource.com)
float Shade(float y)
{
    const int steps = 4 / 0;
    return 0.5 + 0.5 * y * steps;
}
#include "shade_stages.hlsli"

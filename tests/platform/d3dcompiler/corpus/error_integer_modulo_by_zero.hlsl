// Windows: the remainder of a division by a constant expression that folds to zero.
// verdict: compile-error PSMain X4010
// group: refuse
// error text: Unsigned integer divide by zero
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (a division by zero found while parsing the shader is an error); fxc's words for the division (X4010, Unsigned integer divide by zero) are quoted in Tint's test/bug/tint/1083.wgsl.expected.hlsl; the remainder is taken to get the same, since fxc computes both with one unsigned division (its own words for it not found quoted)
float Shade(float y)
{
    int phase = 7 % (2 - 2);
    return 0.5 + 0.5 * y * phase;
}
#include "shade_stages.hlsli"

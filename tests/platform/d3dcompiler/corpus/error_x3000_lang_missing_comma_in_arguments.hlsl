// Windows: two arguments with no comma between them.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: (8,29-29): error X3000: syntax error: unexpected token 'y'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); fxc's "(line,first-last): error X3000: syntax error: unexpected token 'x'" form, quoted in Tint's test expectations (src/tint test outputs "FXC validation failure")
float Shade(float y)
{
    return max(0.5 * y, 1.0 y);
}
#include "shade_stages.hlsli"

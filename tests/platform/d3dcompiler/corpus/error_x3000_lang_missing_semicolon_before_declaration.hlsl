// Windows: a declaration's missing semicolon runs it into the next
// declaration, whose type the parser did not expect.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: (10,5-9): error X3000: syntax error: unexpected token 'float'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); fxc's "(line,first-last): error X3000: syntax error: unexpected token 'x'" form, quoted in Tint's test expectations
float Shade(float y)
{
    float scaled = y * 2.0
    float offset = 0.5;
    return scaled + offset;
}
#include "shade_stages.hlsli"

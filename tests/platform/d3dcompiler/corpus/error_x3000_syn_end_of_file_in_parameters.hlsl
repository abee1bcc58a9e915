// Windows: the file ends inside a parameter list.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected end of file
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error); fxc's "syntax error: unexpected token 'x'" form as quoted in Tint's test expectations
float Shade(float y);
#include "shade_stages.hlsli"
float Shade(float y,

// Windows: a name may hold only letters, digits and '_' of ASCII; another
// byte stops the compile.
// verdict: compile-error PSMain X3000
// error text: error X3000: Illegal character in shader file
// group: syntax
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (identifiers: [A-Za-z_][A-Za-z0-9_]*); fxc's "error X3000: Illegal character in shader file" for full-width characters in code, as public notes quote it
float Shade(float y)
{
    float größe = y;
    return größe;
}
#include "shade_stages.hlsli"

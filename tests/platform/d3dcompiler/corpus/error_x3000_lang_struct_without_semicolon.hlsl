// Windows: a structure's closing brace needs its semicolon; the next
// declaration's type is the token the parser did not expect.
// verdict: compile-error PSMain X3000
// group: syntax
// error text: syntax error: unexpected token 'float'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct ("struct Name { ... };"); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3000: syntax error)
struct Light
{
    float strength;
}
float Shade(float y)
{
    Light light;
    light.strength = y;
    return light.strength;
}
#include "shade_stages.hlsli"

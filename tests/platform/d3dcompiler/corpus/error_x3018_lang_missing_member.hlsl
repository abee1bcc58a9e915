// Windows: a member the structure does not declare.
// verdict: compile-error PSMain X3018
// group: types
// error text: invalid subscript 'range'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct; learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3018: invalid subscript)
struct Light
{
    float strength;
};
float Shade(float y)
{
    Light light;
    light.strength = y;
    return light.range;
}
#include "shade_stages.hlsli"

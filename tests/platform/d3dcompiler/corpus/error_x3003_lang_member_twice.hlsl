// Windows: two members of one name in a structure.
// verdict: compile-error PSMain X3003
// group: declarations
// error text: redefinition of 'strength'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3003: redefinition)
struct Light
{
    float strength;
    float3 colour;
    float strength;
};
float Shade(float y)
{
    Light light;
    light.strength = y;
    return light.strength;
}
#include "shade_stages.hlsli"

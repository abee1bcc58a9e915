// Windows: a structure defined twice.
// verdict: compile-error PSMain X3003
// group: declarations
// error text: redefinition of 'Light'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3003: redefinition)
struct Light
{
    float strength;
};
struct Light
{
    float range;
};
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"

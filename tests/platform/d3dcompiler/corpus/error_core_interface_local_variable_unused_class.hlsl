// Windows: a class that leaves an interface method out is refused where it
// is instantiated, here as a function's parameter.
// verdict: compile-error PSMain -
// group: declarations
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class ("Classes must implement or inherit implementations for all interfaces in their inheritance chain or the class cannot be instantiated"); fxc's words for it were not found
interface IScale
{
    float Apply(float x);
};
class Broken : IScale
{
    float factor;
};
float Use(Broken b, float y)
{
    return b.factor * y;
}
float Shade(float y)
{
    Broken b;
    b.factor = 1.0;
    return Use(b, y);
}
#include "shade_stages.hlsli"

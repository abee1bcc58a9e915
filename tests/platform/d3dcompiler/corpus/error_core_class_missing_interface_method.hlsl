// Windows: a class that does not implement every method of its interface
// cannot be instantiated, so a local of it is refused.
// verdict: compile-error PSMain -
// group: declarations
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class ("Classes must implement or inherit implementations for all interfaces in their inheritance chain or the class cannot be instantiated"); fxc's words for it were not found
interface IShape
{
    float Area();
    float Perimeter();
};
class Square : IShape
{
    float side;
    float Area()
    {
        return side * side;
    }
};
float Shade(float y)
{
    Square s;
    s.side = y;
    return s.Area();
}
#include "shade_stages.hlsli"

// Windows: a class may leave an interface method to the classes derived from
// it; it is only refused where it is instantiated, and the derived class that
// implements the method is used.
// verdict: accepted
// group: declarations
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class ("Classes must implement or inherit implementations for all interfaces in their inheritance chain or the class cannot be instantiated": the base class is not instantiated here)
interface IScale
{
    float Apply(float x);
    float Offset();
};
class Partial : IScale
{
    float Offset()
    {
        return 0.5;
    }
};
class Whole : Partial
{
    float Apply(float x)
    {
        return 0.5 * x;
    }
};
float Shade(float y)
{
    Whole w;
    return w.Apply(y) + w.Offset();
}
#include "shade_stages.hlsli"

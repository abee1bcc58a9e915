// Windows: shader model 5 has interfaces and classes that implement them;
// a class instance's methods are called like a structure's.
// verdict: accepted
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking and dx-graphics-hlsl-interfaces (interface, class, "class X : Interface")
interface IShading
{
    float Scale(float y);
};
class HalfShading : IShading
{
    float bias;
    float Scale(float y)
    {
        return bias + 0.5 * y;
    }
};
float Shade(float y)
{
    HalfShading shading;
    shading.bias = 0.5;
    return shading.Scale(y);
}
#include "shade_stages.hlsli"

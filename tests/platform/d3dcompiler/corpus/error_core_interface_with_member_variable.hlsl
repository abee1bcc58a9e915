// Windows: an interface holds method declarations only; a member variable in
// one is refused.
// verdict: compile-error PSMain -
// group: declarations
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class ("An interface ... is declared in a shader using the interface keyword and only contains method declarations"); fxc's words for it were not found, so only the refusal is stated
interface IShape
{
    float size;
    float Area();
};
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"

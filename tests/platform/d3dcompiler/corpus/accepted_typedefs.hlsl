// Windows: typedef names vectors, templated vectors and matrices, const
// types and structures.
// verdict: accepted
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-user-defined ("typedef [const] type id [array_suffix]")
typedef float3 Colour;
typedef vector<float, 3> Direction;
typedef matrix<float, 2, 2> Turn;
typedef const float Weight;
struct Pair
{
    float a;
    float b;
};
typedef Pair Halves;
float Shade(float y)
{
    Colour c = Colour(y, 0.5, 0.25);
    Direction d = normalize(Direction(0, 1, 0));
    Turn t = Turn(1, 0, 0, 1);
    Weight w = 0.5;
    Halves h = { w, w * y };
    return h.a + h.b + 0.0 * dot(c, d) * t[0][0];
}
#include "shade_stages.hlsli"

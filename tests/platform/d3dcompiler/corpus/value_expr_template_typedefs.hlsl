// Windows: typedefs of vector<T, N> and matrix<T, R, C> name those types, and
// a static of a template type keeps its initialiser.
// verdict: accepted
// probe: 3 4 7 1
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-user-defined (typedef of any type) and dx-graphics-hlsl-vector, dx-graphics-hlsl-matrix (template-style declarations)
#include "probe_stages.hlsli"
typedef vector<float, 3> Vec3;
typedef matrix<float, 2, 2> Mat2;
static const matrix<float, 2, 2> identity = { 1, 0, 0, 1 };
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Vec3 v = Vec3(3, 4, 0) * one;
    Mat2 m = identity * 7 * one;
    return float4(v.xy, m._22, identity._11);
}

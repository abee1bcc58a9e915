// Windows: vector<T, N> and matrix<T, R, C> take all their arguments or none;
// vector<half> and matrix<half, 3> are refused.
// verdict: compile-error PSMain -
// group: types
// source: github.com/microsoft/DirectXShaderCompiler/issues/2034 ("vector<half> v; ... it was not building in FXC", "matrix<half, 3> m; FXC refuses this"); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-vector (vector<Type, Number>)
float Shade(float y)
{
    vector<float> v = y;
    return v.x;
}
#include "shade_stages.hlsli"

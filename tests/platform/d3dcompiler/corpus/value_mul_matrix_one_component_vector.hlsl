// Windows: mul of a matrix and a one-component vector is the matrix-times-
// vector overload with the matrix implicitly truncated to its first column:
// a vector of the matrix's rows, each row's first component times v.x.
// verdict: accepted
// probe: 1 10 18 26
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-mul (matrix x of M rows and N columns times vector y of N components gives a vector of M; y is a column vector) and dx-graphics-hlsl-per-component-math (a matrix converted to a smaller one keeps its upper-left part), as value_mul_one_component_vector.hlsl for the vector first
#include "probe_stages.hlsli"
struct Holder
{
    float1 one;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float y = position.x; // 0.5
    float4x4 m = float4x4(y, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
    float1 v = y * 4.0;
    Holder s;
    s.one = v;
    return mul(m, v) * 0.5 + mul(m, s.one) * 0.5; // (1, 10, 18, 26) * 0.5 twice
}

// Windows: mul of a one-component vector given by a member, an element or a
// swizzle and a matrix is the vector-times-matrix overload with the matrix
// truncated to its first row: v.x * m[0].
// verdict: accepted
// probe: 1 4 6 8
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-mul (vector x of N components times a matrix of N rows; the vector is a row vector) and dx-graphics-hlsl-matrix (a matrix's first index picks a row), as value_mul_one_component_vector.hlsl for a variable's name
#include "probe_stages.hlsli"
struct Holder
{
    float1 one;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float y = position.x; // 0.5
    float4x4 m = float4x4(y, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
    Holder s;
    s.one = y * 4.0;
    float1 ones[2];
    ones[0] = y;
    ones[1] = y * 2.0;
    float4 a = mul(s.one, m);     // 1 4 6 8
    float4 b = mul(ones[1], m);   // 0.5 2 3 4
    return a * 0.5 + b;
}

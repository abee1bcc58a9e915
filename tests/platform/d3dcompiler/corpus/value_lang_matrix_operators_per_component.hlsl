// Windows: `*`, `/` and `+` between two matrices of one shape work component
// by component (mul is the matrix product); an intrinsic such as max or
// saturate does the same; a matrix array passed to a function is copied in.
// verdict: accepted
// probe: 10 2 4 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators ("the multiplication operator ... is a per-component multiply"; "Use the mul intrinsic for matrix multiplication") and dx-graphics-hlsl-per-component-math (per-component operations on matrices); dx-graphics-hlsl-max
#include "probe_stages.hlsli"
float Sum(float2x2 pair[2])
{
    return pair[0]._22 + pair[1]._11;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 a = float2x2(1, 2, 3, 4) * one;
    float2x2 b = float2x2(5, 6, 7, 8);
    float2x2 product = a * b;        // (5, 12, 21, 32)
    float2x2 quotient = b / a;       // (5, 3, 2.333.., 2)
    float2x2 biggest = max(a, float2x2(0, 4, 0, 0)); // (1, 4, 3, 4)
    float2x2 pair[2] = { a, b };
    return float4(product._11 + quotient._11, quotient._22, biggest._12, Sum(pair) - 8);
}

// Windows: comparisons of matrices work per component whatever expression
// gives the matrix: a member, an element of an array, a sum, a call.
// verdict: accepted
// probe: 2 2 3 2
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (comparison operators, "per-component") and dx-graphics-hlsl-per-component-math, as value_matrix_comparisons.hlsl for a variable's name
#include "probe_stages.hlsli"
struct Holder
{
    float2x2 m;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x; // 0.5
    Holder s;
    s.m = float2x2(h, 2, 3, h);
    float2x2 arr[2] = { float2x2(1, 2, 3, 4), float2x2(5, 6, 7, 8) };
    bool2x2 a = s.m < 1;                        // 1 0 0 1
    bool2x2 b = arr[1] == float2x2(5, 0, 7, 0); // 1 0 1 0
    bool2x2 c = (s.m + s.m) >= arr[0];          // 1 1 1 0
    bool2x2 d = transpose(arr[0]) != arr[0];    // 0 1 1 0
    return float4(a[0].x + a[1].y + a[0].y, b[0].x + b[1].x + b[0].y,
                  c[0].x + c[0].y + c[1].x + c[1].y, d[0].y + d[1].x);
}

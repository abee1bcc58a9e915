// Windows: conversions into integer and bool matrices work per component as
// for scalars: floats truncate toward zero (negatives saturate to 0 for uint),
// nonzero is true; int matrices add, multiply and go through mul() and
// functions like float ones, and matrix<int, 2, 2> is int2x2; a static one
// takes its initialiser.
// verdict: accepted
// probe: -2 2 2 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-matrix (any scalar type, "matrix <int, 2, 2>"), dx-graphics-hlsl-per-component-math (operators per component on matrices), dx-graphics-hlsl-mul (vector times matrix) and windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion (float to integer truncates, out-of-range values clamp)
#include "probe_stages.hlsli"
static const int2x2 kTable = int2x2(1, 2, 3, 4);
int2x2 Twice(int2x2 m)
{
    return m * 2;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2x2 f = float2x2(position.x * 3, -position.x * 3, 1, 2); // 1.5 -1.5 1 2
    int2x2 i = (int2x2)f;                                         // 1 -1 1 2
    uint2x2 u = uint2x2(f[0], 3.7, 4);                            // 1 0 3 4
    bool2x2 b = bool2x2(position.x, 0, 1, 2);                     // 1 0 1 1
    matrix<int, 2, 2> twice = Twice(i);                           // 2 -2 2 4
    int2 v = mul(int2(1, 1), i);                                  // 2 1
    return float4(twice[0].y + u[0].y, b[0].x + b[1].y, v.x, v.y * kTable[0].x);
}

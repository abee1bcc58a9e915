// Windows: a float matrix assigned to or initialising an integer or bool
// matrix converts per component as for scalars (toward zero, negatives to 0
// for uint, nonzero is true), also through a compound assignment, and
// integer matrices divide as integers do.
// verdict: accepted
// probe: 2 10 3 9
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (operators per component on matrices), dx-graphics-hlsl-operators (assignment converts; integer division) and windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion (float to integer truncates, out-of-range values clamp)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x; // 0.5
    float2x2 f = float2x2(h * 3, -h * 3, h * 7, 2); // 1.5 -1.5 3.5 2
    int2x2 i = f;                                   // 1 -1 3 2
    uint2x2 u;
    u = f * 2;                                      // 3 0 7 4
    bool2x2 b = f - 1.5;                            // 0 1 1 1
    int2x2 seven = int2x2(7, -7, 9, h * 8);         // 7 -7 9 4
    int2x2 q = seven / int2x2(2, 2, 4, 3);          // 3 -3 2 1
    int2x2 p = seven / 2 * 2;                       // 6 -6 8 4
    int2x2 c = seven;
    c /= 2;                                         // 3 -3 4 2
    c *= h * 3;                                     // 4 -4 6 3
    return float4(i[0].y + i[1].x, u[0].x + u[0].y + u[1].x, b[0].x + b[0].y + b[1].x + b[1].y,
                  q[0].y + q[1].y + p[1].x + c[1].y);
}

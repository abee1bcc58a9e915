// Windows: * between two matrices multiplies per component whatever
// expressions give them (mul is the matrix product).
// verdict: accepted
// probe: 12 29 16 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("the multiplication operator (*) ... performs a per-component multiply"; "Use the mul intrinsic function for matrix multiplication"), as value_matrix_operators.hlsl for variables' names
#include "probe_stages.hlsli"
struct Holder
{
    float2x2 m;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x * 4.0; // 2
    Holder s;
    s.m = float2x2(1, 2, 3, 4);
    float2x2 arr[2] = { float2x2(1, 2, 3, 4), float2x2(5, 6, 7, h * 4) };
    float2x2 a = float2x2(h, 1, 1, h);
    float2x2 p = arr[0] * arr[1];                     // 5 12 21 32
    float2x2 q = s.m * a;                             // 2 2 3 8
    float2x2 r = (a + a) * float2x2(1, 2, 3, 4);      // 4 4 6 16
    float2x2 t = a * transpose(arr[0]);               // 2 3 2 8
    return float4(p[0].y, p[1].x + q[1].y, r[1].y, t[0].y);
}

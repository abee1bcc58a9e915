// Windows: a swizzle of several matrix elements may be written: each named
// element takes its component; the right side is read before any write, so
// m._12_21 = m._21_12 swaps two elements; a compound assignment through one
// element changes just that element.
// verdict: accepted
// probe: 5 3 12 6
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("_11 ... _44" one-based and "_m00 ... _m33" zero-based row-column names; "several components can be accessed at once"; a swizzle may be written)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 m = float2x2(one, 2, 3, 4);
    m._m00_m11 = float2(5, 6); // rows (5, 2), (3, 6)
    m._12_21 = m._21_12;       // rows (5, 3), (2, 6)
    m._m10 += 10;              // row 1 is (12, 6)
    return float4(m[0][0], m[0][1], m[1][0], m[1][1]);
}

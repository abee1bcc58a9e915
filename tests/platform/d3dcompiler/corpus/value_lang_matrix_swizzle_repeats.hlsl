// Windows: a matrix swizzle read may name an element more than once and in
// any order; the zero- and one-based forms name the same elements.
// verdict: accepted
// probe: 4 4 1 9
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("_m00_m11" and "_11_22" name several elements; a read may repeat one)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 m = float2x2(one, 2, 3, 4);
    float3 picked = m._22_m11_11;        // 4 4 1
    float2 mixed = m._m10_21 + m._12_m01; // (3 + 2, 3 + 2)
    return float4(picked, mixed.x + picked.y);
}

// Windows: a compound assignment to a swizzle of a member matrix's elements
// applies per element, in the swizzle's order.
// verdict: accepted
// probe: 1 -2 6 4
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix swizzles such as _21_12 are l-values) and dx-graphics-hlsl-operators (compound assignment)
#include "probe_stages.hlsli"
struct Holder
{
    float2x2 m;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Holder h;
    h.m = float2x2(1, 2, 3, 4) * one;
    h.m._21_12 *= float2(2, -1);
    return float4(h.m._11, h.m._12, h.m._21, h.m._22);
}

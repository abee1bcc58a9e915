// Windows: compound assignments to swizzles apply per named component, in
// the swizzle's order.
// verdict: accepted
// probe: 100 2.5 30 4.5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (compound assignment) and dx-graphics-hlsl-per-component-math (swizzles as l-values)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float4 v = float4(1, 2, 3, 4) * one;
    v.zx *= float2(10, 100);
    v.yw += 0.5;
    return v;
}

// Windows: a scalar takes swizzles like a one-component vector; ! and unary
// minus work per component, on uints too (wrapping).
// verdict: accepted
// probe: 2 1 0 4294967295
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar and dx-graphics-hlsl-per-component-math (swizzles of scalars, "float f = 1; f.xxx"), dx-graphics-hlsl-operators (unary operators per component)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float two = position.x * 4.0;
    float3 spread = two.xxx;
    bool2 not = !float2(position.x - 0.5, position.x);
    uint one = (uint)(position.x * 2.0);
    return float4(spread.z, not.x, not.y, -one);
}

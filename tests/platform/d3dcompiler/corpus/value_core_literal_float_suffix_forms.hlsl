// Windows: the float suffixes f, F, h, H, l and L follow an exponent or a
// trailing point as they follow digits.
// verdict: accepted
// probe: 100 2.5 20 0.5
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (floating-constant: fractional-constant [exponent-part] [floating-suffix], digit-sequence exponent-part [floating-suffix]; floating-suffix h H f F l L)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(1e2f * one, 2.5F * one, 2.e1h * one, 5e-1L * one);
}

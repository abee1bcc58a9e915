// Windows: sign takes matrices too, component by component.
// verdict: accepted
// probe: -1 0 1 1
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sign (x: scalar, vector or matrix; the value has x's dimensions, int components)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float2x2 m = float2x2(-h, h - 0.5, h * 3.0, h);
    return float4(sign(m)._m00, sign(m)._m01, sign(m)[1]);
}

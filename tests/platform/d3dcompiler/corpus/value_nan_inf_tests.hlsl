// Windows: isnan, isinf and isfinite classify per component.
// verdict: accepted
// probe: 1 1 0 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-isnan, dx-graphics-hlsl-isinf and dx-graphics-hlsl-isfinite
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float nan = asfloat(0x7FC00000u | asuint(zero)); // a quiet NaN
    float inf = 1.0 / zero;
    return float4(isnan(nan), isinf(inf), isfinite(nan), isfinite(position.x));
}

// Windows: smoothstep and clamp follow their formulas when the bounds are
// reversed: smoothstep's t is saturate((x - min) / (max - min)), clamp is
// min(max(x, lo), hi).
// verdict: accepted
// probe: 0.84375 1 1 0.5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-smoothstep ("Returns a smooth Hermite interpolation between 0 and 1, if x is in the range [min, max]") and dx-graphics-hlsl-clamp
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float quarter = position.x * 0.5;
    return float4(smoothstep(1.0, 0.0, quarter), clamp(quarter, 2.0, 1.0),
                  clamp(position.x * 6.0, 0.0, 1.0), smoothstep(0.0, 2.0, position.x * 2.0));
}

// Windows: a float vector cast to bool2 is true where a component is nonzero.
// verdict: accepted
// probe: 0 1 1 1
// group: conversions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-conversions (numeric to bool: nonzero is true)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    bool3 b = (bool3)(float3(0, 0.5, -2) * one);
    return float4(b, 1);
}

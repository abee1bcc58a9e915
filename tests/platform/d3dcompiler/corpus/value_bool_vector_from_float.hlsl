// Windows: a float vector converts to a bool vector per component, nonzero
// to true; bools add as 0 and 1.
// verdict: accepted
// probe: 1 0 1 2
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("bool: true or false") and dx-graphics-hlsl-per-component-math (conversions per component)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    bool3 flags = float3(position.x, position.x - 0.5, -position.x);
    return float4(flags.x, flags.y, flags.z, flags.x + flags.z);
}

// Windows: saturate clamps to [0, 1]; clamp(x, lo, hi) is min(max(x, lo), hi).
// verdict: accepted
// probe: 0 1 0.5 2
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-saturate (clamps a value to the range 0 to 1) and dx-graphics-hlsl-clamp (clamps a value to a minimum and a maximum)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float half = position.x; // 0.5
    return float4(saturate(-half), saturate(half * 4.0), saturate(half), clamp(half * 8.0, 1.0, 2.0));
}

// Windows: ?: with a vector condition selects per component.
// verdict: accepted
// probe: 1 4 5 6
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (operators work per component on vectors; "?:" among them)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    bool2 pick = bool2(position.x > 0.0, position.x > 1.0);
    float2 chosen = pick ? float2(1, 2) : float2(3, 4);
    return float4(chosen, position.x > 0.0 ? 5 : 6, position.x > 1.0 ? 5 : 6);
}

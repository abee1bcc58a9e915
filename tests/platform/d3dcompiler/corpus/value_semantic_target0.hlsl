// Windows: SV_Target0 is SV_Target: the first render target, index 0.
// verdict: accepted
// probe: 0.5 0.25 2 4
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_Target[n], "n" between 0 and 7; SV_Target without index is index 0)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target0
{
    return float4(position.x, position.y * 0.5, position.w, position.w * 2);
}

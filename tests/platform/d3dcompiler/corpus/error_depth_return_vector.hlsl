// Windows: a pixel shader returning its depth through SV_Depth returns one
// float, not a vector.
// verdict: compile-error PSMain -
// group: semantics
// error text: SV_Depth
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (system-value semantics table: SV_Depth, "Depth buffer data", type float); the words are the stand-in's own: fxc's message for this case is not quoted in the pages searched
#include "probe_stages.hlsli"
float2 PSMain() : SV_Depth
{
    return float2(0.5, 0.5);
}

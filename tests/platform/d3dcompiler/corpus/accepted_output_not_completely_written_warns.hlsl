// Windows: an entry point's `out` parameter some component of which the body
// never writes compiles with warning X3578, naming the parameter; the
// unwritten component's value is undefined.
// verdict: accepted
// warning: X3578 Output value 'colour' is not completely initialized
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (3578 is a warning); fxc's line "(26,14-15): warning X3578: Output value 'o1' is not completely initialized" on a vs_5_0 shader's `out` parameter o1, in a game's shader fix; a shader's fix comment "for warning X3578: Initialize the entire output structure to zero" on an `out` structure
#include "probe_stages.hlsli"
void PSMain(float4 position : SV_Position, out float4 colour : SV_Target)
{
    colour.rgb = position.xyz * 0.5;
}

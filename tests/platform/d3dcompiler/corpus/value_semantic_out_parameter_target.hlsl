// Windows: a pixel shader may give its target through an out parameter with
// SV_Target0, its return type void.
// verdict: accepted
// probe: 1.5 0.5 0 2
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (output semantics on out parameters of the entry point); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (out parameters)
#include "probe_stages.hlsli"
void PSMain(float4 position : SV_Position, out float4 colour : SV_Target0)
{
    colour = position;
    colour.x += 1;
}

// Windows: every parameter of an entry point needs a semantic; the pixel
// shader's second one has none.
// verdict: compile-error PSMain -
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics ("Semantics are required on all variables passed between shader stages")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position, float2 uv) : SV_Target
{
    return float4(uv, position.xy);
}

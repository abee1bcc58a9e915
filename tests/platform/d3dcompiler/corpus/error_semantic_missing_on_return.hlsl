// Windows: an entry point's return value needs a semantic; the pixel shader's
// float4 has none.
// verdict: compile-error PSMain -
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics ("Semantics are required on all variables passed between shader stages", parameters and return values of the entry point)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position)
{
    return position;
}

// Windows: semantics on a function that is not the entry point, on its
// parameters and return value, mean nothing and are ignored.
// verdict: accepted
// probe: 1 1 0 4
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics ("Semantics are required on all variables passed between shader stages"; on other functions they are ignored, as in the page's example functions)
#include "probe_stages.hlsli"
float2 Doubled(float2 v : TEXCOORD5) : COLOR9
{
    return v * 2;
}
float4 Widened(float4 p : SV_Position, float scale : PSIZE) : SV_Target3
{
    return p * scale;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(Doubled(position.xy), Widened(position, 2).zw);
}

// Windows: an annotation's string may hold ';' and '>' without ending it,
// on a global and on a technique.
// verdict: accepted
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-annotations ("<DataType Name = Value; ... ;>", string values among them) and learn.microsoft.com/windows/win32/direct3d11/d3d11-effect-technique-syntax
#include "probe_stages.hlsli"
float4 tint < string UIWidget = "color; alpha > 0"; >;
technique11 Main < string Note = "a > b; c"; >
{
    pass { }
}
float4 PSMain() : SV_Target
{
    return tint;
}

// Windows: annotations on a technique and its passes, and an fxgroup holding
// techniques, are effect syntax that a shader compile ignores.
// verdict: accepted
// group: accept
// source: learn.microsoft.com/windows/win32/direct3d11/d3d11-effect-technique-syntax ("technique11 TechniqueName [< Annotations >]", "pass PassName [< Annotations >]") and d3d11-effect-group-syntax ("fxgroup GroupName [< Annotations >] { technique11 ... }")
#include "probe_stages.hlsli"
float4 PSMain() : SV_Target
{
    return float4(1, 0, 0, 1);
}
technique11 Marked < string Name = "marked"; int Order = 2; >
{
    pass First < bool Debug = false; >
    {
        SetPixelShader(CompileShader(ps_5_0, PSMain()));
    }
}
fxgroup Group < string Note = "group"; >
{
    technique11 Inner
    {
        pass { }
    }
}

// Windows: a technique11 block with passes that set the shaders is effect
// syntax, which a shader compile (vs_5_0, ps_5_0) parses and ignores.
// verdict: accepted
// probe: 0 1 2 3
// group: accept
// source: learn.microsoft.com/windows/win32/direct3d11/d3d11-effect-technique-syntax ("technique11 TechniqueName [< Annotations >] { pass ... }") and d3d11-effect-programming-tools (fxc compiles an effect file's shaders for a shader profile, or the whole file for fx_5_0)
#include "probe_stages.hlsli"
float4 values;
float4 PSMain() : SV_Target
{
    return values;
}
technique11 Draw
{
    pass P0
    {
        SetVertexShader(CompileShader(vs_5_0, VSMain()));
        SetGeometryShader(NULL);
        SetPixelShader(CompileShader(ps_5_0, PSMain()));
    }
}

// Windows: technique10 and the Direct3D 9 form "technique" with state
// assignments ("VertexShader = compile vs_3_0 ...") are effect syntax that a
// shader compile ignores.
// verdict: accepted
// probe: 4 5 6 7
// group: accept
// source: learn.microsoft.com/windows/win32/direct3d10/d3d10-effect-technique-syntax ("technique10") and learn.microsoft.com/windows/win32/direct3d9/effect-format (technique and pass blocks with state assignments)
#include "probe_stages.hlsli"
float4 unused;
float4 values;
float4 PSMain() : SV_Target
{
    return values;
}
technique10 Ten
{
    pass
    {
        SetPixelShader(CompileShader(ps_4_0, PSMain()));
    }
}
technique Nine
{
    pass P0
    {
        ZEnable = true;
        CullMode = None;
        PixelShader = compile ps_3_0 PSMain();
    }
}

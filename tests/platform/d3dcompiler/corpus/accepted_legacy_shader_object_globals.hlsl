// Windows: VertexShader and PixelShader globals made by CompileShader are
// effect objects, which a shader compile takes and ignores.
// verdict: accepted
// group: accept
// source: learn.microsoft.com/windows/win32/direct3d11/d3d11-effect-shader ("VertexShader vsVar = CompileShader(vs_5_0, VSMain());") and d3d11-effect-technique-syntax
#include "probe_stages.hlsli"
float4 PSMain() : SV_Target
{
    return float4(0, 1, 0, 1);
}
PixelShader pixelShader = CompileShader(ps_5_0, PSMain());
VertexShader vertexShader = CompileShader(vs_5_0, VSMain());

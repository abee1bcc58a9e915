// Windows: a hull shader of the tri domain with a domain shader of the quad domain does not make a
// pipeline; the debug layer names the two domains.
// verdict: pipeline-error 670
// patch: 3
// group: tessellation
// source: learn.microsoft.com/windows/win32/api/d3d12sdklayers/ne-d3d12sdklayers-d3d12_message_id (D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_HS_DS_TESSELLATOR_DOMAIN_MISMATCH) and windows/win32/direct3d11/direct3d-11-advanced-stages-domain-shader-design (the domain shader declares the hull shader's domain)
#include "patch_stages.hlsli"
CorpusTriangleFactors PatchMain(InputPatch<CorpusPoint, 3> patch)
{
    CorpusTriangleFactors f = {{1, 1, 1}, 1};
    return f;
}
CORPUS_PASS_THROUGH_HULL("tri", "integer", 3)
[domain("quad")]
CorpusVertex DSMain(CorpusQuadFactors f, float2 uv : SV_DomainLocation,
                    const OutputPatch<CorpusPoint, 3> patch)
{
    CorpusVertex v = {CorpusQuadAt(uv), patch[0].corner};
    return v;
}

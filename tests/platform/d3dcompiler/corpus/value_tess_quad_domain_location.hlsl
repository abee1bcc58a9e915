// Windows: a quad patch's SV_DomainLocation runs from (0, 0) at its first corner; the pixel at a
// quarter of the way along both edges reads (0.25, 0.25).
// verdict: accepted
// patch: 4
// probe: 0.25 0.25 0 1
// group: tessellation
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_DomainLocation: float2 for a quad patch) and learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-tessellation (hull shader, tessellator and domain shader stages)
#include "patch_stages.hlsli"
CorpusQuadFactors PatchMain(InputPatch<CorpusPoint, 4> patch)
{
    CorpusQuadFactors f;
    f.edges[0] = f.edges[1] = f.edges[2] = f.edges[3] = 2;
    f.inside[0] = f.inside[1] = 2;
    return f;
}
CORPUS_PASS_THROUGH_HULL("quad", "integer", 4)
[domain("quad")]
CorpusVertex DSMain(CorpusQuadFactors f, float2 uv : SV_DomainLocation,
                    const OutputPatch<CorpusPoint, 4> patch)
{
    CorpusVertex v = {CorpusQuadAt(uv), float4(uv, 0, 1)};
    return v;
}

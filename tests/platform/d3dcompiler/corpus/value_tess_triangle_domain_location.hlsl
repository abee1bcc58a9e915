// Windows: a triangle patch's SV_DomainLocation holds the three barycentric weights, which sum to
// 1; the pixel halfway from the first corner reads (0.5, 0.25, 0.25).
// verdict: accepted
// patch: 3
// probe: 0.5 0.25 0.25 1
// group: tessellation
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_DomainLocation: float3 for a tri patch) and learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-tessellation (hull shader, tessellator and domain shader stages)
#include "patch_stages.hlsli"
CorpusTriangleFactors PatchMain(InputPatch<CorpusPoint, 3> patch)
{
    CorpusTriangleFactors f = {{3, 3, 3}, 3};
    return f;
}
CORPUS_PASS_THROUGH_HULL("tri", "integer", 3)
[domain("tri")]
CorpusVertex DSMain(CorpusTriangleFactors f, float3 uvw : SV_DomainLocation,
                    const OutputPatch<CorpusPoint, 3> patch)
{
    CorpusVertex v = {CorpusTriangleAt(uvw), float4(uvw, 1)};
    return v;
}

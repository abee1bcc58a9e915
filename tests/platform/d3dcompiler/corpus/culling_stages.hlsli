// Included by the culling cases: a quad patch whose v == 1 edge has the
// factor CORPUS_CULLING_FACTOR (its other factors 4) and whose domain shader
// writes 1 into u1 and white to the target wherever it runs.
#include "patch_stages.hlsli"
RWByteAddressBuffer seen : register(u1);
CorpusQuadFactors PatchMain(InputPatch<CorpusPoint, 4> patch)
{
    CorpusQuadFactors f;
    f.edges[0] = f.edges[1] = f.edges[2] = 4;
    f.edges[3] = CORPUS_CULLING_FACTOR;
    f.inside[0] = f.inside[1] = 4;
    return f;
}
[domain("quad")]
[partitioning("integer")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(4)]
[patchconstantfunc("PatchMain")]
CorpusPoint HSMain(InputPatch<CorpusPoint, 4> patch, uint i : SV_OutputControlPointID)
{
    return patch[i];
}
[domain("quad")]
CorpusVertex DSMain(CorpusQuadFactors f, float2 uv : SV_DomainLocation,
                    const OutputPatch<CorpusPoint, 4> patch)
{
    seen.Store(0, 1);
    CorpusVertex v = {CorpusQuadAt(uv), float4(1, 1, 1, 1)};
    return v;
}

// Included by the partitioning cases after patch_stages.hlsli's own
// inclusion: a quad patch whose factors are all CORPUS_FACTOR, partitioned
// CORPUS_PARTITIONING; the domain shader sets bit k of word 0 (word 1) of u1
// where a point's u (v) is k/12.
#include "patch_stages.hlsli"
RWByteAddressBuffer seen : register(u1);
CorpusQuadFactors PatchMain(InputPatch<CorpusPoint, 4> patch)
{
    CorpusQuadFactors f;
    f.edges[0] = f.edges[1] = f.edges[2] = f.edges[3] = CORPUS_FACTOR;
    f.inside[0] = f.inside[1] = CORPUS_FACTOR;
    return f;
}
CORPUS_PASS_THROUGH_HULL("quad", CORPUS_PARTITIONING, 4)
[domain("quad")]
CorpusVertex DSMain(CorpusQuadFactors f, float2 uv : SV_DomainLocation,
                    const OutputPatch<CorpusPoint, 4> patch)
{
    uint previous;
    seen.InterlockedOr(0, 1u << uint(round(uv.x * 12)), previous);
    seen.InterlockedOr(4, 1u << uint(round(uv.y * 12)), previous);
    CorpusVertex v = {CorpusQuadAt(uv), float4(0, 0, 0, 1)};
    return v;
}

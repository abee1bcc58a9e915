// Windows: SV_TessFactor[0] divides a quad patch's u == 0 edge (its left side) and [2] its
// u == 1 edge (its right side): with 1 and 4, the points on the right edge sit at quarters of v,
// those on the left only at its ends.
// verdict: accepted
// patch: 4
// group: tessellation
// uav u1: raw 2
// expect u1: 4097 4681
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-tessfactor ("The first component provides the tesselation factor for the u==0 edge of the patch ... The third component provides the tesselation factor for the u==1 edge"; the u==0 edge "is the left side of the patch")
#include "patch_stages.hlsli"
RWByteAddressBuffer seen : register(u1);
CorpusQuadFactors PatchMain(InputPatch<CorpusPoint, 4> patch)
{
    CorpusQuadFactors f;
    f.edges[0] = 1;
    f.edges[1] = f.edges[3] = 1;
    f.edges[2] = 4;
    f.inside[0] = f.inside[1] = 1;
    return f;
}
CORPUS_PASS_THROUGH_HULL("quad", "integer", 4)
// Bit k of word 0 (word 1) set where a point of the left (right) edge has v = k/12.
[domain("quad")]
CorpusVertex DSMain(CorpusQuadFactors f, float2 uv : SV_DomainLocation,
                    const OutputPatch<CorpusPoint, 4> patch)
{
    uint previous;
    if (uv.x == 0)
        seen.InterlockedOr(0, 1u << uint(round(uv.y * 12)), previous);
    if (uv.x == 1)
        seen.InterlockedOr(4, 1u << uint(round(uv.y * 12)), previous);
    CorpusVertex v = {CorpusQuadAt(uv), float4(0, 0, 0, 1)};
    return v;
}

// Windows: a pow2 factor of 3 rounds up to 4 equal segments, the next power of two, so the domain
// shader sees u and v only at multiples of 1/4 on a quad patch whose factors are all 3.0.
// verdict: accepted
// patch: 4
// group: tessellation
// uav u1: raw 2
// expect u1: 4681 4681
// source: learn.microsoft.com/windows/win32/api/d3dcommon/ne-d3dcommon-d3d_tessellator_partitioning (integer, pow2, fractional_odd, fractional_even) and windows/win32/direct3d11/direct3d-11-advanced-stages-tessellation (the tessellator divides each edge by its factor)
#include "patch_stages.hlsli"
RWByteAddressBuffer seen : register(u1);
CorpusQuadFactors PatchMain(InputPatch<CorpusPoint, 4> patch)
{
    CorpusQuadFactors f;
    f.edges[0] = f.edges[1] = f.edges[2] = f.edges[3] = 3.0;
    f.inside[0] = f.inside[1] = 3.0;
    return f;
}
[domain("quad")]
[partitioning("pow2")]
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
    uint previous;
    seen.InterlockedOr(0, 1u << uint(round(uv.x * 12)), previous);
    seen.InterlockedOr(4, 1u << uint(round(uv.y * 12)), previous);
    CorpusVertex v = {CorpusQuadAt(uv), float4(0, 0, 0, 1)};
    return v;
}

// Windows: the patch constant function's own outputs and its tessellation factors reach the
// domain shader once per patch, beside the control points; SV_PrimitiveID numbers the first
// patch 0 in both the patch constant function and the domain shader.
// verdict: accepted
// patch: 4
// probe: 5 6 3 0
// group: tessellation
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-tessfactor, sv-insidetessfactor, dx-graphics-hlsl-semantics (SV_PrimitiveID: hull and domain shader input) and learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-tessellation (hull shader, tessellator and domain shader stages)
#include "patch_stages.hlsli"
struct Factors
{
    float edges[4] : SV_TessFactor;
    float inside[2] : SV_InsideTessFactor;
    float2 tint : TINT;
};
Factors PatchMain(InputPatch<CorpusPoint, 4> patch, uint primitive : SV_PrimitiveID)
{
    Factors f;
    f.edges[0] = f.edges[1] = f.edges[2] = 3;
    f.edges[3] = 2;
    f.inside[0] = f.inside[1] = 1;
    f.tint = float2(5, 6 + primitive);
    return f;
}
CORPUS_PASS_THROUGH_HULL("quad", "integer", 4)
[domain("quad")]
CorpusVertex DSMain(Factors f, float2 uv : SV_DomainLocation,
                    const OutputPatch<CorpusPoint, 4> patch, uint primitive : SV_PrimitiveID)
{
    CorpusVertex v = {CorpusQuadAt(uv), float4(f.tint, f.edges[1], primitive)};
    return v;
}

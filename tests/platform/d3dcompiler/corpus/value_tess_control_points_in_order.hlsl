// Windows: the hull shader runs once per output control point, SV_OutputControlPointID naming
// it, and reads the input patch in the order the vertices were drawn; the domain shader's
// OutputPatch holds the points in that order.
// verdict: accepted
// patch: 3
// probe: 0 11 22 3
// group: tessellation
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-outputcontrolpointid and windows/win32/direct3d11/direct3d-11-advanced-stages-hull-shader-design (InputPatch, OutputPatch) and learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-tessellation (hull shader, tessellator and domain shader stages)
#include "patch_stages.hlsli"
struct Numbered
{
    float4 corner : CORNER;
    float number : NUMBER;
};
CorpusTriangleFactors PatchMain(InputPatch<CorpusPoint, 3> patch)
{
    CorpusTriangleFactors f = {{1, 1, 1}, 1};
    return f;
}
[domain("tri")]
[partitioning("integer")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
[patchconstantfunc("PatchMain")]
Numbered HSMain(InputPatch<CorpusPoint, 3> patch, uint i : SV_OutputControlPointID)
{
    Numbered n = {patch[i].corner, float(i * 10 + patch[i].id)};
    return n;
}
[domain("tri")]
CorpusVertex DSMain(CorpusTriangleFactors f, float3 uvw : SV_DomainLocation,
                    const OutputPatch<Numbered, 3> patch)
{
    CorpusVertex v = {CorpusTriangleAt(uvw),
                      float4(patch[0].number, patch[1].number, patch[2].number, 3)};
    return v;
}

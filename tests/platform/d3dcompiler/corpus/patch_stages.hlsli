// Included by the corpus shaders drawn through HSMain and DSMain ("patch: N"):
// VSMain hands on control point i with its number and a corner: points 0, 1
// and 2 are the corners of a triangle over the 1x1 target, (-1, 1), (3, 1)
// and (-1, -3), and point 3 completes the parallelogram at (3, -3), so that
// the pixel centre lies at u = v = 1/4 of a quad patch through them and at
// (1/2, 1/4, 1/4) of a triangle patch of the first three. PSMain returns
// what the domain shader hands on as VALUE, read back from an
// R32G32B32A32_FLOAT target. The constants are those of probe_stages.hlsli.
struct CorpusPoint
{
    float4 corner : CORNER;
    uint id : POINTID;
};
struct CorpusQuadFactors
{
    float edges[4] : SV_TessFactor;
    float inside[2] : SV_InsideTessFactor;
};
struct CorpusTriangleFactors
{
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
};
struct CorpusVertex
{
    float4 position : SV_Position;
    float4 value : VALUE;
};
#ifdef CORPUS_ROOT_SIGNATURE
[RootSignature(CORPUS_ROOT_SIGNATURE)]
#else
[RootSignature("DescriptorTable(CBV(b0))")]
#endif
CorpusPoint VSMain(uint id : SV_VertexID)
{
    CorpusPoint point_ = {float4(id & 1 ? 3 : -1, id & 2 ? -3 : 1, 0, 1), id};
    return point_;
}
// Where `uv` lies on the quad patch of points 0 to 3.
float4 CorpusQuadAt(float2 uv)
{
    return float4(lerp(-1.0, 3.0, uv.x), lerp(1.0, -3.0, uv.y), 0, 1);
}
// Where `uvw` lies on the triangle patch of points 0, 1 and 2.
float4 CorpusTriangleAt(float3 uvw)
{
    return float4(-uvw.x + 3 * uvw.y - uvw.z, uvw.x + uvw.y - 3 * uvw.z, 0, 1);
}
// HSMain handing on each of the patch's POINTS points unchanged, with
// PatchMain's constants, partitioned PARTITIONING into clockwise triangles.
#define CORPUS_PASS_THROUGH_HULL(DOMAIN, PARTITIONING, POINTS)                     \
    [domain(DOMAIN)]                                                               \
    [partitioning(PARTITIONING)]                                                   \
    [outputtopology("triangle_cw")]                                                \
    [outputcontrolpoints(POINTS)]                                                  \
    [patchconstantfunc("PatchMain")]                                               \
    CorpusPoint HSMain(InputPatch<CorpusPoint, POINTS> patch,                      \
                       uint i : SV_OutputControlPointID)                           \
    {                                                                              \
        return patch[i];                                                           \
    }
float4 PSMain(CorpusVertex input) : SV_Target
{
    return input.value;
}

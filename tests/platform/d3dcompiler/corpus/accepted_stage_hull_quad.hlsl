// Windows: a quad patch's hull shader gives four edge and two inside factors, partitioned fractional_odd, with triangle_ccw output.
// verdict: accepted HSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/direct3d11/direct3d-11-advanced-stages-hull-shader-design (quad domain: float Edges[4] : SV_TessFactor, float Inside[2] : SV_InsideTessFactor) and dx-graphics-hlsl-semantics
struct ControlPoint
{
    float3 pos : POSITION;
};
struct PatchConstants
{
    float edges[4] : SV_TessFactor;
    float inside[2] : SV_InsideTessFactor;
};
PatchConstants PatchMain(InputPatch<ControlPoint, 4> patch)
{
    PatchConstants o;
    [unroll]
    for (int e = 0; e < 4; ++e)
    {
        o.edges[e] = length(patch[e].pos) + 1.0;
    }
    o.inside[0] = o.inside[1] = 2.0;
    return o;
}
[domain("quad")]
[partitioning("fractional_odd")]
[outputtopology("triangle_ccw")]
[outputcontrolpoints(4)]
[patchconstantfunc("PatchMain")]
ControlPoint HSMain(InputPatch<ControlPoint, 4> patch, uint i : SV_OutputControlPointID,
                    uint primitive : SV_PrimitiveID)
{
    ControlPoint o;
    o.pos = patch[i].pos * (primitive + 1);
    return o;
}

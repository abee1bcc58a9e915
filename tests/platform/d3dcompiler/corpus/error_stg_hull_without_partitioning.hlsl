// Windows: a hull shader must declare its partitioning; without [partitioning] it is refused.
// verdict: compile-error HSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/direct3d-11-advanced-stages-hull-shader-design (the hull shader's attributes: domain, partitioning, outputtopology, outputcontrolpoints, patchconstantfunc); fxc's words for it were not found
struct ControlPoint
{
    float3 pos : POSITION;
};
struct PatchConstants
{
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
};
PatchConstants PatchMain(InputPatch<ControlPoint, 3> patch)
{
    PatchConstants o;
    o.edges[0] = o.edges[1] = o.edges[2] = 4.0;
    o.inside = 4.0;
    return o;
}
[domain("tri")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
[patchconstantfunc("PatchMain")]
ControlPoint HSMain(InputPatch<ControlPoint, 3> patch, uint i : SV_OutputControlPointID)
{
    return patch[i];
}

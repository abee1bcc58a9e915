// Windows: [patchconstantfunc] must name a function the source defines.
// verdict: compile-error HSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/direct3d11/direct3d-11-advanced-stages-hull-shader-design (the attribute names the patch-constant function, which runs once per patch); fxc's number and words for a missing one were not found
struct ControlPoint
{
    float3 pos : POSITION;
};
struct PatchConstants
{
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
};
[domain("tri")]
[partitioning("integer")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
[patchconstantfunc("NoSuchFunction")]
ControlPoint HSMain(InputPatch<ControlPoint, 3> patch, uint i : SV_OutputControlPointID)
{
    return patch[i];
}

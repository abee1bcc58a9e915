// Windows: a hull shader's input patch holds 1 to 32 control points; InputPatch<ControlPoint, 33> is
// refused.
// verdict: compile-error HSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dcl-input-control-point-count--sm5---asm- (the hull shader's input control point count, 1 to 32) and D3D12_IA_PATCH_MAX_CONTROL_POINT_COUNT, 32, in the DirectX headers' d3d12.h; fxc's number and words for it were not found
struct ControlPoint
{
    float3 pos : POSITION;
};
struct PatchConstants
{
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
};
PatchConstants PatchMain(InputPatch<ControlPoint, 33> patch)
{
    PatchConstants o;
    o.edges[0] = o.edges[1] = o.edges[2] = patch[32].pos.x;
    o.inside = 1;
    return o;
}
[domain("tri")]
[partitioning("integer")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
[patchconstantfunc("PatchMain")]
ControlPoint HSMain(InputPatch<ControlPoint, 33> patch, uint i : SV_OutputControlPointID)
{
    return patch[i];
}

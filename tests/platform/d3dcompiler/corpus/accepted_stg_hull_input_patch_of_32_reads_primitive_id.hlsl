// Windows: a hull shader may take 32 input control points, the most a patch holds, and both its
// functions may read SV_PrimitiveID and the patch's Length.
// verdict: accepted HSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dcl-input-control-point-count--sm5---asm- (1 to 32), windows/win32/direct3dhlsl/sm5-object-inputpatch (Length: the number of control points) and windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_PrimitiveID: an input of the hull shader)
struct ControlPoint
{
    float3 pos : POSITION;
};
struct PatchConstants
{
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
};
PatchConstants PatchMain(InputPatch<ControlPoint, 32> patch, uint id : SV_PrimitiveID)
{
    PatchConstants o;
    o.edges[0] = o.edges[1] = o.edges[2] = patch.Length + id;
    o.inside = 1;
    return o;
}
[domain("tri")]
[partitioning("integer")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
[patchconstantfunc("PatchMain")]
ControlPoint HSMain(InputPatch<ControlPoint, 32> patch, uint i : SV_OutputControlPointID,
                    uint id : SV_PrimitiveID)
{
    ControlPoint o = patch[i + 29];
    o.pos.x += id;
    return o;
}

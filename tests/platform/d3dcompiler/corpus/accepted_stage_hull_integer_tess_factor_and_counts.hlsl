// Windows: [maxtessfactor] takes an integer literal, and a hull shader may output fewer control points than its patch has.
// verdict: accepted HSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-hull-shader-design ([maxtessfactor] a value up to 64; the output control point count is the hull shader's own, 1 to 32) and learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-inputpatch
struct ControlPoint
{
    float3 pos : POSITION;
    float2 uv : TEXCOORD0;
};
struct PatchConstants
{
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
};
PatchConstants PatchMain(InputPatch<ControlPoint, 4> patch)
{
    PatchConstants o;
    o.edges[0] = o.edges[1] = o.edges[2] = patch[3].pos.x;
    o.inside = 1;
    return o;
}
[domain("tri")]
[partitioning("integer")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
[patchconstantfunc("PatchMain")]
[maxtessfactor(16)]
ControlPoint HSMain(InputPatch<ControlPoint, 4> patch, uint i : SV_OutputControlPointID)
{
    ControlPoint o = patch[i];
    o.pos = (patch[i].pos + patch[3].pos) * 0.5;
    return o;
}

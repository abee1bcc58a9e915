// Windows: hs_5_0 builds a hull shader of a triangle patch with its patch constant function.
// verdict: accepted HSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/direct3d11/direct3d-11-advanced-stages-hull-shader-design (the hull shader's attributes and its patch-constant function), dx-graphics-hlsl-semantics (SV_TessFactor, SV_InsideTessFactor, SV_OutputControlPointID) and specifying-compiler-targets (hs_5_0)
struct ControlPoint
{
    float3 pos : POSITION;
};
struct PatchConstants
{
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
};
PatchConstants PatchMain(InputPatch<ControlPoint, 3> patch, uint id : SV_PrimitiveID)
{
    PatchConstants o;
    o.edges[0] = o.edges[1] = o.edges[2] = 4.0 + id;
    o.inside = 4.0;
    return o;
}
[domain("tri")]
[partitioning("integer")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
[patchconstantfunc("PatchMain")]
[maxtessfactor(64.0)]
ControlPoint HSMain(InputPatch<ControlPoint, 3> patch, uint i : SV_OutputControlPointID)
{
    return patch[i];
}

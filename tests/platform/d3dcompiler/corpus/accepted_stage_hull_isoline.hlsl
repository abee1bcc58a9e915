// Windows: an isoline patch's hull shader gives two factors (line density and detail) and outputs lines.
// verdict: accepted HSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_TessFactor: float[2] for an isoline patch) and direct3d11/direct3d-11-advanced-stages-hull-shader-design ([outputtopology("line")], [partitioning("pow2")])
struct ControlPoint
{
    float3 pos : POSITION;
};
struct PatchConstants
{
    float factors[2] : SV_TessFactor;
};
PatchConstants PatchMain()
{
    PatchConstants o;
    o.factors[0] = 1.0;
    o.factors[1] = 8.0;
    return o;
}
[domain("isoline")]
[partitioning("pow2")]
[outputtopology("line")]
[outputcontrolpoints(2)]
[patchconstantfunc("PatchMain")]
ControlPoint HSMain(InputPatch<ControlPoint, 2> patch, uint i : SV_OutputControlPointID)
{
    return patch[i];
}

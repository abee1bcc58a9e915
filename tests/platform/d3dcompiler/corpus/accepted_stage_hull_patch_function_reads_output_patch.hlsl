// Windows: the patch constant function may read the control points the hull shader wrote through an OutputPatch.
// verdict: accepted HSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-hull-shader-design (the patch-constant function "can also see ... the output control points") and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics
struct ControlPoint
{
    float3 pos : POSITION;
    float weight : WEIGHT;
};
struct PatchConstants
{
    float edges[3] : SV_TessFactor;
    float inside : SV_InsideTessFactor;
    float3 centre : CENTRE;
};
PatchConstants PatchMain(InputPatch<ControlPoint, 3> inputs, const OutputPatch<ControlPoint, 3> outputs)
{
    PatchConstants o;
    o.centre = (outputs[0].pos + outputs[1].pos + outputs[2].pos) / 3.0;
    o.edges[0] = inputs[0].weight;
    o.edges[1] = inputs[1].weight;
    o.edges[2] = inputs[2].weight;
    o.inside = max(o.edges[0], max(o.edges[1], o.edges[2]));
    return o;
}
[domain("tri")]
[partitioning("fractional_even")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
[patchconstantfunc("PatchMain")]
ControlPoint HSMain(InputPatch<ControlPoint, 3> patch, uint i : SV_OutputControlPointID)
{
    ControlPoint o = patch[i];
    o.weight = 2.0 + i;
    return o;
}

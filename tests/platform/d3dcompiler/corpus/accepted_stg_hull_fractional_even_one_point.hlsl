// Windows: a hull shader may output fewer control points than it reads, with fractional_even partitioning.
// verdict: accepted HSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/direct3d-11-advanced-stages-hull-shader-design (the hull shader's attributes: domain, partitioning, outputtopology, outputcontrolpoints, patchconstantfunc) (outputcontrolpoints: the number of output control points, up to 32, independent of the input patch)
#include "triangle_patch.hlsli"
[domain("tri")]
[partitioning("fractional_even")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(1)]
[patchconstantfunc("PatchMain")]
ControlPoint HSMain(InputPatch<ControlPoint, 3> patch, uint i : SV_OutputControlPointID)
{
    return patch[i];
}

// Windows: a hull shader with fractional_odd partitioning, triangle_ccw output and a max tess factor compiles.
// verdict: accepted HSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/direct3d-11-advanced-stages-hull-shader-design (the hull shader's attributes: domain, partitioning, outputtopology, outputcontrolpoints, patchconstantfunc) (partitioning fractional_odd, outputtopology triangle_ccw, maxtessfactor)
#include "triangle_patch.hlsli"
[domain("tri")]
[partitioning("fractional_odd")]
[outputtopology("triangle_ccw")]
[outputcontrolpoints(3)]
[patchconstantfunc("PatchMain")]
[maxtessfactor(15.0)]
ControlPoint HSMain(InputPatch<ControlPoint, 3> patch, uint i : SV_OutputControlPointID)
{
    return patch[i];
}

// Windows: domain takes tri, quad or isoline; "triangle" is refused.
// verdict: compile-error HSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/direct3d-11-advanced-stages-hull-shader-design (the hull shader's attributes: domain, partitioning, outputtopology, outputcontrolpoints, patchconstantfunc) (domain: tri, quad, isoline); fxc's words for it were not found
#include "triangle_patch.hlsli"
[domain("triangle")]
[partitioning("integer")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
[patchconstantfunc("PatchMain")]
ControlPoint HSMain(InputPatch<ControlPoint, 3> patch, uint i : SV_OutputControlPointID)
{
    return patch[i];
}

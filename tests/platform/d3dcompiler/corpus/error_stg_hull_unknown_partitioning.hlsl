// Windows: partitioning takes integer, fractional_even, fractional_odd or pow2; "fast" is refused.
// verdict: compile-error HSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/direct3d-11-advanced-stages-hull-shader-design (the hull shader's attributes: domain, partitioning, outputtopology, outputcontrolpoints, patchconstantfunc) (partitioning: integer, fractional_even, fractional_odd, pow2); fxc's words for it were not found
#include "triangle_patch.hlsli"
[domain("tri")]
[partitioning("fast")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
[patchconstantfunc("PatchMain")]
ControlPoint HSMain(InputPatch<ControlPoint, 3> patch, uint i : SV_OutputControlPointID)
{
    return patch[i];
}

// Windows: a patch has at most 32 control points; [outputcontrolpoints(33)] is refused.
// verdict: compile-error HSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-hull-shader-design (1 to 32 output control points) and D3D12_IA_PATCH_MAX_CONTROL_POINT_COUNT, 32, in the DirectX headers' d3d12.h; fxc's number and words for it were not found
#include "triangle_patch.hlsli"
[domain("tri")]
[partitioning("integer")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(33)]
[patchconstantfunc("PatchMain")]
ControlPoint HSMain(InputPatch<ControlPoint, 3> patch, uint i : SV_OutputControlPointID)
{
    return patch[i % 3];
}

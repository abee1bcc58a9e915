// Windows: a hull shader may output no control points, [outputcontrolpoints(0)], where the domain
// shader needs none (its main function then runs no times); the patch constant function still sets
// the factors, bounded by [maxtessfactor(64.0)], the largest factor.
// verdict: accepted HSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dcl-output-control-point-count--sm5---asm- ("An integer value from 0 to 32"; "The hull shader can output 0 control points if they are not needed") windows/win32/direct3dhlsl/sm5-attributes-outputcontrolpoints ("the number of times the main function will be executed") and windows/win32/direct3dhlsl/dcl-hs-max-tessfactor---sm5---asm- (maxTessFactor from 1.0 to 64.0)
#include "triangle_patch.hlsli"
[domain("tri")]
[partitioning("integer")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(0)]
[patchconstantfunc("PatchMain")]
[maxtessfactor(64.0)]
ControlPoint HSMain(InputPatch<ControlPoint, 3> patch, uint i : SV_OutputControlPointID)
{
    return patch[0];
}

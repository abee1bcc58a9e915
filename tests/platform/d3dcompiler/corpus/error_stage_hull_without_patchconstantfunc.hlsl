// Windows: a hull shader's entry point needs [patchconstantfunc].
// verdict: compile-error HSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/direct3d11/direct3d-11-advanced-stages-hull-shader-design (a hull shader is the control-point function and the patch-constant function together) and DirectXShaderCompiler's tools/clang/test/HLSL/attributes-hs-ds-gs errors ("HS entry point must have a valid patchconstantfunc attribute"); fxc's number and words for it were not found
struct ControlPoint
{
    float3 pos : POSITION;
};
[domain("tri")]
[partitioning("integer")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
ControlPoint HSMain(InputPatch<ControlPoint, 3> patch, uint i : SV_OutputControlPointID)
{
    return patch[i];
}

// Windows: a hull shader's attributes match in title case too.
// verdict: accepted HSMain
// group: stages
// source: DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl (Test_Domain, Test_Partitioning, Test_OutputTopology, Test_OutputControlPoints, Test_PatchConstantFunc, Test_MaxTessFactor: "Test support for title case in attributes", which fxc compiles)
#include "triangle_patch.hlsli"
[Domain("tri")]
[Partitioning("fractional_odd")]
[OutputTopology("triangle_cw")]
[OutputControlPoints(3)]
[PatchConstantFunc("PatchMain")]
[MaxTessFactor(16.0)]
ControlPoint HSMain(InputPatch<ControlPoint, 3> patch, uint i : SV_OutputControlPointID)
{
    return patch[i];
}

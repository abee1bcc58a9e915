// Windows: a hull shader whose control points read a semantic the vertex shader does not write
// does not link; the layer names the pair "Vertex Shader - Hull Shader".
// verdict: pipeline-error 666
// error text: Vertex Shader - Hull Shader linkage error
// patch: 3
// group: tessellation
// source: learn.microsoft.com/windows/win32/api/d3d12sdklayers/ne-d3d12sdklayers-d3d12_message_id (CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_SEMANTICNAME_NOT_FOUND) and windows/win32/direct3d12/managing-graphics-pipeline-state-in-direct3d-12 (the stages' signatures are checked when the pipeline state is made)
#include "patch_stages.hlsli"
struct Extra
{
    float4 corner : CORNER;
    float4 extra : EXTRA;
};
CorpusTriangleFactors PatchMain(InputPatch<Extra, 3> patch)
{
    CorpusTriangleFactors f = {{1, 1, 1}, 1};
    return f;
}
[domain("tri")]
[partitioning("integer")]
[outputtopology("triangle_cw")]
[outputcontrolpoints(3)]
[patchconstantfunc("PatchMain")]
CorpusPoint HSMain(InputPatch<Extra, 3> patch, uint i : SV_OutputControlPointID)
{
    CorpusPoint p = {patch[i].corner + patch[i].extra, i};
    return p;
}
[domain("tri")]
CorpusVertex DSMain(CorpusTriangleFactors f, float3 uvw : SV_DomainLocation,
                    const OutputPatch<CorpusPoint, 3> patch)
{
    CorpusVertex v = {CorpusTriangleAt(uvw), patch[0].corner};
    return v;
}

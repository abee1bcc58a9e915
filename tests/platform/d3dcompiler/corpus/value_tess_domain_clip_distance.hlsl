// Windows: a domain shader's SV_ClipDistance clips the rasterised triangles where it is negative;
// the distance 0.5 - u is 0.25 at the pixel centre (u = 1/4 of the quad patch), so the pixel is
// drawn, with the value the domain shader hands on.
// verdict: accepted
// patch: 4
// clear: 0 0 1 1
// probe: 0.25 0.25 0 1
// group: tessellation
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_ClipDistance[n]: read or written by every shader, a vertex shader writing it only; the rasteriser draws only pixels whose interpolated distances are >= 0)
#include "quad_patch_stages.hlsli"
struct ClippedVertex
{
    float4 position : SV_Position;
    float4 value : VALUE;
    float clip : SV_ClipDistance;
};
[domain("quad")]
ClippedVertex DSMain(CorpusQuadFactors f, float2 uv : SV_DomainLocation,
                     const OutputPatch<CorpusPoint, 4> patch)
{
    ClippedVertex v;
    v.position = CorpusQuadAt(uv);
    v.value = float4(uv, 0, 1);
    v.clip = 0.5 - uv.x;
    return v;
}

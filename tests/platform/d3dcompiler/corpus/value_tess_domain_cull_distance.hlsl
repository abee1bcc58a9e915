// Windows: a domain shader's SV_CullDistance culls a triangle whose vertices all have a negative
// distance; every vertex of the quad patch has -1, so nothing is drawn and the pixel keeps the
// clear colour.
// verdict: accepted
// patch: 4
// clear: 0 0 1 1
// probe: 0 0 1 1
// group: tessellation
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_CullDistance[n]: read or written by every shader, a vertex shader writing it only; a primitive is discarded whole where the distance is < 0 at all its vertices)
#include "quad_patch_stages.hlsli"
struct CulledVertex
{
    float4 position : SV_Position;
    float4 value : VALUE;
    float cull : SV_CullDistance;
};
[domain("quad")]
CulledVertex DSMain(CorpusQuadFactors f, float2 uv : SV_DomainLocation,
                    const OutputPatch<CorpusPoint, 4> patch)
{
    CulledVertex v;
    v.position = CorpusQuadAt(uv);
    v.value = float4(uv, 0, 1);
    v.cull = -1 - uv.x;
    return v;
}

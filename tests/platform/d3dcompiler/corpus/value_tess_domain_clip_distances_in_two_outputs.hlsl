// Windows: a domain shader may spread its clip distances over SV_ClipDistance0 and SV_ClipDistance1;
// the second is -1 everywhere, so the pixel is clipped and keeps the clear colour.
// verdict: accepted
// patch: 4
// clear: 0 0 1 1
// probe: 0 0 1 1
// group: tessellation
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_ClipDistance[n]: read or written by every shader, a vertex shader writing it only; several clip planes at once by declaring several components as SV_ClipDistance; the rasteriser draws only pixels whose interpolated distances are >= 0)
#include "quad_patch_stages.hlsli"
struct ClippedVertex
{
    float4 position : SV_Position;
    float4 value : VALUE;
    float kept : SV_ClipDistance0;
    float clipped : SV_ClipDistance1;
};
[domain("quad")]
ClippedVertex DSMain(CorpusQuadFactors f, float2 uv : SV_DomainLocation,
                     const OutputPatch<CorpusPoint, 4> patch)
{
    ClippedVertex v;
    v.position = CorpusQuadAt(uv);
    v.value = float4(uv, 0, 1);
    v.kept = 1;
    v.clipped = -1;
    return v;
}

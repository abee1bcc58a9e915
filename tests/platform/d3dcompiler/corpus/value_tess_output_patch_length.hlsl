// Windows: an OutputPatch's Length is its number of control points, a uint: the domain shader of a
// quad patch of 4 points hands on 4.
// verdict: accepted
// patch: 4
// probe: 4 0 0 1
// group: tessellation
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-outputpatch (Length: uint, the number of control points)
#include "quad_patch_stages.hlsli"
[domain("quad")]
CorpusVertex DSMain(CorpusQuadFactors f, float2 uv : SV_DomainLocation,
                    const OutputPatch<CorpusPoint, 4> patch)
{
    CorpusVertex v = {CorpusQuadAt(uv), float4(patch.Length, 0, 0, 1)};
    return v;
}

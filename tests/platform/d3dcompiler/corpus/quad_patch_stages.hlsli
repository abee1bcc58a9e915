// Included by the cases whose domain shader alone differs: patch_stages.hlsli's
// stages, with a quad patch whose factors are all 2, handed on unchanged by
// HSMain with integer partitioning.
#include "patch_stages.hlsli"
CorpusQuadFactors PatchMain(InputPatch<CorpusPoint, 4> patch)
{
    CorpusQuadFactors f;
    f.edges[0] = f.edges[1] = f.edges[2] = f.edges[3] = 2;
    f.inside[0] = f.inside[1] = 2;
    return f;
}
CORPUS_PASS_THROUGH_HULL("quad", "integer", 4)

// Windows: [maxvertexcount] takes a constant expression of a static const integer.
// verdict: accepted GSMain
// group: stages
// source: DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl: maxvertexcount_valid2 ([maxvertexcount (sc_count)]) and maxvertexcount_valid3 ([maxvertexcount (sc_count + 3)]) compile under fxc
#include "geometry_vertex.hlsli"
static const int kCorners = 3;
[maxvertexcount(kCorners + 3)]
void GSMain(triangle VSOut input[3], inout TriangleStream<VSOut> stream)
{
    for (int i = 0; i < kCorners; ++i)
    {
        stream.Append(input[i]);
    }
}

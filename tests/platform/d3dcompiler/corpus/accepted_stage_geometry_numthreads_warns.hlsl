// Windows: [numthreads] on a geometry shader's entry point belongs to another stage: only a warning.
// verdict: accepted GSMain
// group: stages
// source: fxc's "warning X3554: unknown attribute numthreads, or attribute invalid for this statement" for [numthreads] on a function that is not a compute entry point, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl
#include "geometry_vertex.hlsli"
[numthreads(8, 1, 1)]
[maxvertexcount(1)]
void GSMain(point VSOut input[1], inout PointStream<VSOut> stream)
{
    stream.Append(input[0]);
}

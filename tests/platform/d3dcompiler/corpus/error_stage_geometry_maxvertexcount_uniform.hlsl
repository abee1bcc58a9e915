// Windows: a vertex count read from a constant the program sets is not a literal.
// verdict: compile-error GSMain X3084
// error text: non-literal parameter(s) found for attribute maxvertexcount
// group: stages
// source: fxc's "error X3084: non-literal parameter(s) found for attribute maxvertexcount" for [maxvertexcount (i_count)] with a global int, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl
#include "geometry_vertex.hlsli"
int vertexCount;
[maxvertexcount(vertexCount)]
void GSMain(triangle VSOut input[3], inout TriangleStream<VSOut> stream)
{
    stream.Append(input[0]);
}

// Windows: attribute names are matched without regard to case: [MaxVertexCount] and [Instance] serve a geometry shader as their lower-case forms do.
// verdict: accepted GSMain
// group: stages
// source: DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl, whose Test_MaxVertexCount and Test_Instance ("Test support for title case in attributes") fxc compiles, and whose fxc lines list "maxvertexcount, MaxVertexCount, instance" as the geometry shader's attributes
#include "geometry_vertex.hlsli"
[Instance(2)]
[MaxVertexCount(3)]
void GSMain(triangle VSOut input[3], inout TriangleStream<VSOut> stream)
{
    stream.Append(input[0]);
    stream.Append(input[1]);
    stream.Append(input[2]);
}

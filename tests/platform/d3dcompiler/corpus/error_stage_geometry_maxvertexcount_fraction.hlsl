// Windows: [maxvertexcount(1.5)] is no count: a warning that the parameter must be an int, and the entry point has no count.
// verdict: compile-error GSMain X3514
// error text: 'GSMain' must have a max vertex count
// group: stages
// source: fxc's lines for [maxvertexcount (1.5)] on a geometry entry point, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl: "warning X3554: cannot match attribute maxvertexcount, parameter 1 is expected to be of type int" and "error X3514: 'float_maxvertexcount1' must have a max vertex count"
#include "geometry_vertex.hlsli"
[maxvertexcount(1.5)]
void GSMain(triangle VSOut input[3], inout TriangleStream<VSOut> stream)
{
    stream.Append(input[0]);
}

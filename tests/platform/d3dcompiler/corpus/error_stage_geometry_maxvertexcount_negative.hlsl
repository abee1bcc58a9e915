// Windows: a negative vertex count is refused.
// verdict: compile-error GSMain X3084
// error text: cannot match attribute maxvertexcount, non-uint parameters found
// group: stages
// source: fxc's "error X3084: cannot match attribute maxvertexcount, non-uint parameters found" for [maxvertexcount (-12)] on a geometry entry point, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl
#include "geometry_vertex.hlsli"
[maxvertexcount(-12)]
void GSMain(triangle VSOut input[3], inout TriangleStream<VSOut> stream)
{
    stream.Append(input[0]);
}

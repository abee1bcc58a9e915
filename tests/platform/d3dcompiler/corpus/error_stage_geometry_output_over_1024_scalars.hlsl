// Windows: a geometry shader writes at most 1024 scalars per invocation; 300 vertices of 8 floats are 2400.
// verdict: compile-error GSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3d11/geometry-shader-stage and dx-graphics-hlsl-geometry-shader (a geometry shader invocation outputs at most 1024 32-bit values: the vertex count times the output vertex's size); fxc's number and words for it were not found
#include "geometry_vertex.hlsli"
[maxvertexcount(300)]
void GSMain(triangle VSOut input[3], inout TriangleStream<VSOut> stream)
{
    stream.Append(input[0]);
}

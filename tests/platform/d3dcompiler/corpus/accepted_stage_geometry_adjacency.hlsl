// Windows: a geometry shader takes a triangle with adjacency, six vertices.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader ("triangleadj": an array of six; "lineadj": four)
#include "geometry_vertex.hlsli"
[maxvertexcount(3)]
void GSMain(triangleadj VSOut input[6], inout TriangleStream<VSOut> stream)
{
    stream.Append(input[0]);
    stream.Append(input[2]);
    stream.Append(input[4]);
}

// Windows: a geometry shader takes a line with adjacency, four vertices, and writes the middle segment.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader ("lineadj": an array of four)
#include "geometry_vertex.hlsli"
[maxvertexcount(2)]
void GSMain(lineadj VSOut input[4], inout LineStream<VSOut> stream)
{
    stream.Append(input[1]);
    stream.Append(input[2]);
}

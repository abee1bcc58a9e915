// Windows: a geometry shader reads a line and writes a LineStream.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader ("line": an array of two) and dx-graphics-hlsl-so-type (LineStream)
#include "geometry_vertex.hlsli"
[maxvertexcount(2)]
void GSMain(line VSOut input[2], inout LineStream<VSOut> stream)
{
    stream.Append(input[1]);
    stream.Append(input[0]);
}

// Windows: a geometry shader turns a triangle into its three corners on a PointStream.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-so-type (PointStream) and dx-graphics-hlsl-geometry-shader
#include "geometry_vertex.hlsli"
[maxvertexcount(3)]
void GSMain(triangle VSOut input[3], inout PointStream<VSOut> stream)
{
    stream.Append(input[0]);
    stream.Append(input[1]);
    stream.Append(input[2]);
}

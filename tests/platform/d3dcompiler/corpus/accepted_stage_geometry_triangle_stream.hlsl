// Windows: gs_5_0 builds a geometry shader that passes a triangle through a TriangleStream and ends the strip.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader (the entry point's form: [maxvertexcount(N)], a primitive type before the input array, inout stream objects), dx-graphics-hlsl-so-type (Append, RestartStrip) and specifying-compiler-targets (gs_5_0)
#include "geometry_vertex.hlsli"
[maxvertexcount(3)]
void GSMain(triangle VSOut input[3], inout TriangleStream<VSOut> stream)
{
    for (uint i = 0; i < 3; ++i)
    {
        stream.Append(input[i]);
    }
    stream.RestartStrip();
}

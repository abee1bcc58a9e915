// Windows: a helper function may take the output stream as an inout parameter and append to it.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-so-type (a stream object is a template type passed inout) and dx-graphics-hlsl-function-parameters (inout parameters of any type)
#include "geometry_vertex.hlsli"
void Emit(inout TriangleStream<VSOut> stream, VSOut v, float scale)
{
    v.pos.xy *= scale;
    stream.Append(v);
}
[maxvertexcount(6)]
void GSMain(triangle VSOut input[3], inout TriangleStream<VSOut> stream)
{
    for (int i = 0; i < 3; ++i)
    {
        Emit(stream, input[i], 1.0);
    }
    stream.RestartStrip();
    for (int j = 0; j < 3; ++j)
    {
        Emit(stream, input[j], 0.5);
    }
}

// Windows: a geometry shader takes one point and appends four vertices of a strip, each built in the loop.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader ("point" input of one element; the strip appended vertex by vertex) and dx-graphics-hlsl-so-type
#include "geometry_vertex.hlsli"
cbuffer Sizes : register(b0)
{
    float2 halfSize;
};
[maxvertexcount(4)]
void GSMain(point VSOut input[1], inout TriangleStream<VSOut> stream)
{
    [unroll]
    for (int corner = 0; corner < 4; ++corner)
    {
        VSOut v = input[0];
        v.pos.xy += float2(corner & 1 ? 1 : -1, corner & 2 ? -1 : 1) * halfSize;
        stream.Append(v);
    }
}

// Windows: a geometry shader may write SV_PrimitiveID and SV_ViewportArrayIndex for the pixel shader.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_PrimitiveID: geometry shader output; SV_ViewportArrayIndex: geometry shader output)
#include "geometry_vertex.hlsli"
struct GSOut
{
    float4 pos : SV_Position;
    uint primitive : SV_PrimitiveID;
    uint viewport : SV_ViewportArrayIndex;
};
[maxvertexcount(3)]
void GSMain(triangle VSOut input[3], uint id : SV_PrimitiveID, inout TriangleStream<GSOut> stream)
{
    [unroll]
    for (int i = 0; i < 3; ++i)
    {
        GSOut o;
        o.pos = input[i].pos;
        o.primitive = id;
        o.viewport = id & 1;
        stream.Append(o);
    }
}

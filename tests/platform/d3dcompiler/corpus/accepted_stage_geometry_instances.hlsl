// Windows: an instanced geometry shader ([instance(4)]) reads SV_GSInstanceID and SV_PrimitiveID and picks the render target slice.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader ([instance(24)] with SV_GSInstanceID) and dx-graphics-hlsl-semantics (SV_GSInstanceID, SV_PrimitiveID in; SV_RenderTargetArrayIndex out of a geometry shader)
#include "geometry_vertex.hlsli"
struct GSOut
{
    float4 pos : SV_Position;
    float4 color : COLOR0;
    uint slice : SV_RenderTargetArrayIndex;
};
[instance(4)]
[maxvertexcount(3)]
void GSMain(triangle VSOut input[3], uint instance : SV_GSInstanceID,
            uint primitive : SV_PrimitiveID, inout TriangleStream<GSOut> stream)
{
    for (uint i = 0; i < 3; ++i)
    {
        GSOut o;
        o.pos = input[i].pos;
        o.color = input[i].color * (primitive + 1);
        o.slice = instance;
        stream.Append(o);
    }
}

// Windows: a geometry shader may write SV_ViewportArrayIndex and SV_RenderTargetArrayIndex, and read SV_PrimitiveID.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_ViewportArrayIndex and SV_RenderTargetArrayIndex: written by a geometry shader; SV_PrimitiveID)
struct VSOut
{
    float4 pos : SV_Position;
};
struct GSOut
{
    float4 pos : SV_Position;
    uint viewport : SV_ViewportArrayIndex;
    uint slice : SV_RenderTargetArrayIndex;
};
[maxvertexcount(2)]
void GSMain(line VSOut input[2], uint primitive : SV_PrimitiveID, inout LineStream<GSOut> stream)
{
    for (uint i = 0; i < 2; ++i)
    {
        GSOut o;
        o.pos = input[i].pos;
        o.viewport = primitive % 4;
        o.slice = primitive / 4;
        stream.Append(o);
    }
}

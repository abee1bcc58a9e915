// Windows: system values may stand anywhere in a structure: the vertex
// shader's SV_VertexID and SV_InstanceID between other inputs would need an
// input layout, so they stand alone in one structure here, and SV_Position
// stands between two nointerpolation outputs that the pixel shader reads.
// verdict: accepted
// probe: 100 7 0.5 0.5
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_VertexID, SV_InstanceID, SV_Position; semantics of structure members); learn.microsoft.com/windows/win32/direct3d11/d3d10-graphics-programming-guide-rasterizer-stage-rules (pixel centres at .5)
struct Ids
{
    uint instance : SV_InstanceID;
    uint vertex : SV_VertexID;
};
struct Varyings
{
    nointerpolation uint vertex : VID;
    float4 position : SV_Position;
    nointerpolation uint instance : IID;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(Ids ids)
{
    Varyings o;
    float2 corner = float2((ids.vertex << 1) & 2, ids.vertex & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1);
    o.vertex = ids.vertex + 100;
    o.instance = ids.instance + 7;
    return o;
}
float4 PSMain(Varyings v) : SV_Target
{
    return float4(v.vertex, v.instance, v.position.xy);
}

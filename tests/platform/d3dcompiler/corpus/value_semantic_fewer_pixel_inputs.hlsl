// Windows: the pixel shader may read the first of the vertex shader's outputs
// and leave the rest unread.
// verdict: accepted
// probe: 5 6 0.5 0.5
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-signatures (PSInWorks, the first entries of VSOut in type and order, is compatible)
struct Written
{
    float4 position : SV_Position;
    float2 kept : KEPT;
    float4 unread : UNREAD;
    float unreadToo : UNREAD_TOO;
};
struct Read
{
    float4 position : SV_Position;
    float2 kept : KEPT;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Written VSMain(uint id : SV_VertexID)
{
    Written o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1);
    o.kept = float2(5, 6);
    o.unread = 9;
    o.unreadToo = 10;
    return o;
}
float4 PSMain(Read r) : SV_Target
{
    return float4(r.kept, r.position.xy);
}

// Windows: TEXCOORD3 and TEXCOORD0 are two semantics of one name with other
// indices; the order they are declared in is the order linked, by name and
// index.
// verdict: accepted
// probe: 3 0 30 0.5
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics ("semantic index": TEXCOORD0 ... TEXCOORDn, the index appended to the name)
struct Varyings
{
    float4 position : SV_Position;
    float2 third : TEXCOORD3;
    float2 zeroth : TEXCOORD0;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(uint id : SV_VertexID)
{
    Varyings o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1);
    o.third = float2(3, 30);
    o.zeroth = float2(0, 0.5);
    return o;
}
float4 PSMain(Varyings v) : SV_Target
{
    return float4(v.third.x, v.zeroth.x, v.third.y, v.zeroth.y);
}

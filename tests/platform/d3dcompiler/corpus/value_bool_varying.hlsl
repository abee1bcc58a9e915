// Windows: bool values pass from the vertex to the pixel shader under a
// semantic like any scalar, as 0 or 1 (the signature's component type is a
// 32-bit unsigned integer).
// verdict: accepted
// probe: 1 0 2 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (semantics on any input or output, bool among the scalar types) and dx-graphics-hlsl-scalar (bool is true or false)
struct Varyings
{
    float4 position : SV_Position;
    bool2 flags : COLOR;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(uint id : SV_VertexID)
{
    Varyings o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1) * 2.0;
    o.flags = bool2(true, false);
    return o;
}
float4 PSMain(Varyings v) : SV_Target
{
    return float4(v.flags.x, v.flags.y, v.flags.x + v.flags.x, v.flags.x || v.flags.y);
}

// Windows: a structure inside a stage's output structure contributes its
// members with their own semantics; the pixel shader reads them the same way.
// verdict: accepted
// probe: 0.75 1 2 3
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (semantics on structure members); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct
struct Inner
{
    float a : INNER_A;
    float2 b : INNER_B;
};
struct Varyings
{
    float4 position : SV_Position;
    Inner inner;
    float c : OUTER_C;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(uint id : SV_VertexID)
{
    Varyings o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1);
    o.inner.a = id;
    o.inner.b = float2(1, 2);
    o.c = 3;
    return o;
}
float4 PSMain(Varyings v) : SV_Target
{
    return float4(v.inner.a, v.inner.b, v.c);
}

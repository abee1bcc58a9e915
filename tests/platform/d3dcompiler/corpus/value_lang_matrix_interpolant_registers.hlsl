// Windows: a matrix under a semantic passes from the vertex to the pixel
// shader whole; a float4x4 at TEXCOORD0 takes TEXCOORD0 to TEXCOORD3, so
// another value may follow it at TEXCOORD4.
// verdict: accepted
// probe: 6 11 16 9
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (semantics on any input or output; a matrix takes one semantic index per row, TEXCOORD0 to TEXCOORD3 for a float4x4)
struct Varyings
{
    float4 position : SV_Position;
    float4x4 m : TEXCOORD0;
    float4 after : TEXCOORD4;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(uint id : SV_VertexID)
{
    Varyings o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1) * 2.0;
    o.m = float4x4(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
    o.after = float4(9, 9, 9, 9);
    return o;
}
float4 PSMain(Varyings v) : SV_Target
{
    return float4(v.m._22, v.m[2][2], v.m._44, v.after.w);
}

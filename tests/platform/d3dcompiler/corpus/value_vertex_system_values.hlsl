// Windows: SV_VertexID counts the vertices of a draw from 0 and
// SV_InstanceID its instances; a nointerpolation output takes the first
// vertex's value, a linear one is interpolated to the pixel's centre.
// verdict: accepted
// probe: 0 0 0.75 1.5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_VertexID, SV_InstanceID) and dx-graphics-hlsl-struct (interpolation modifiers: "nointerpolation: Do not interpolate"); windows/win32/direct3d11/d3d10-graphics-programming-guide-rasterizer-stage-rules (the leading vertex is the first vertex of a primitive)
struct Varyings
{
    float4 position : SV_Position;
    nointerpolation uint first : FIRST;
    nointerpolation uint instance : INSTANCE;
    float blended : BLENDED;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(uint id : SV_VertexID, uint instance : SV_InstanceID)
{
    Varyings o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1);
    o.first = id;
    o.instance = instance;
    o.blended = id;
    return o;
}
float4 PSMain(Varyings v) : SV_Target
{
    return float4(v.first, v.instance, v.blended, v.blended * 2.0);
}

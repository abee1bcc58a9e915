// Windows: a nointerpolation value is the provoking vertex's, the first of
// the triangle, whatever the vertices' w; a float one included.
// verdict: accepted
// probe: 0 1 7 0.5
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct ("nointerpolation: Do not interpolate"); learn.microsoft.com/windows/win32/direct3d11/d3d10-graphics-programming-guide-rasterizer-stage-rules (the leading vertex is the first vertex of a primitive)
struct Varyings
{
    float4 position : SV_Position;
    nointerpolation float4 first : FIRST;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(uint id : SV_VertexID)
{
    Varyings o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1) * (1.0 + id);
    o.first = float4(id, id * 2 + 1, 7, id + 0.5);
    return o;
}
float4 PSMain(Varyings v) : SV_Target
{
    return v.first;
}

// Windows: SV_VertexID converted to a float and passed nointerpolation is the
// first vertex's, 0; passed linear, it is interpolated (0.75); SV_InstanceID of
// the draw's one instance is 0.
// verdict: accepted
// probe: 0 0.75 0 1
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_VertexID, SV_InstanceID); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (nointerpolation); learn.microsoft.com/windows/win32/direct3d11/d3d10-graphics-programming-guide-rasterizer-stage-rules (leading vertex first)
struct Varyings
{
    float4 position : SV_Position;
    nointerpolation float flatId : FLAT_ID;
    float smoothId : SMOOTH_ID;
    nointerpolation float instance : INSTANCE;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(uint id : SV_VertexID, uint instance : SV_InstanceID)
{
    Varyings o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1);
    o.flatId = id;
    o.smoothId = id;
    o.instance = instance;
    return o;
}
float4 PSMain(Varyings v) : SV_Target
{
    return float4(v.flatId, v.smoothId, v.instance, 1);
}

// Windows: integer inputs of a pixel shader without a modifier are not
// interpolated: they hold the first vertex's values (uint 3, int2 (-5, 7)).
// verdict: accepted
// probe: 3 -5 7 1
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (interpolation modifiers; integers are not interpolated, nointerpolation being the only mode an integer takes); learn.microsoft.com/windows/win32/direct3d11/d3d10-graphics-programming-guide-rasterizer-stage-rules (the leading vertex is the first vertex of a primitive)
struct Varyings
{
    float4 position : SV_Position;
    uint count : COUNT;
    int2 offset : OFFSET;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(uint id : SV_VertexID)
{
    Varyings o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1);
    o.count = id + 3;
    o.offset = int2(-5 - (int)id, 7 + (int)id);
    return o;
}
float4 PSMain(Varyings v) : SV_Target
{
    return float4(v.count, v.offset, 1);
}

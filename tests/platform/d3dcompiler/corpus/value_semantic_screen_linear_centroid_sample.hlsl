// Windows: noperspective combines with centroid and with sample; on a
// one-sample target fully covered both are taken at the pixel centre,
// screen-linearly (vertices' w 1, 2, 3; weights 1/2, 1/4, 1/4: 0.75).
// verdict: accepted
// probe: 0.75 0.75 0.75 1
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (noperspective "Do not perform perspective-correction during interpolation"; "The noperspective modifier can be combined with the centroid modifier"; sample: interpolate at sample location); learn.microsoft.com/windows/win32/direct3d11/d3d10-graphics-programming-guide-rasterizer-stage-rules (pixel centres at .5)
struct Varyings
{
    float4 position : SV_Position;
    noperspective float plain : PLAIN;
    noperspective centroid float centred : CENTRED;
    noperspective sample float sampled : SAMPLED;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(uint id : SV_VertexID)
{
    Varyings o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1) * (1.0 + id);
    o.plain = id;
    o.centred = id;
    o.sampled = id;
    return o;
}
float4 PSMain(Varyings v) : SV_Target
{
    return float4(v.plain, v.centred, v.sampled, 1);
}

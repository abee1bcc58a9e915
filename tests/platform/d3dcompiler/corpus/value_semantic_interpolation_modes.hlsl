// Windows: the triangle's vertices have w = 1, 2 and 3 and the pixel centre
// (0.5, 0.5) lies at screen weights 1/2, 1/4, 1/4. A linear value (the
// default, and centroid and sample, which on a one-sample target fully
// covered are taken at the centre) is interpolated perspective-correct:
// (0/1 * 1/2 + 1/2 * 1/4 + 2/3 * 1/4) / (1/2 + 1/8 + 1/12) = 7/17; a
// noperspective one screen-linear: 1/4 + 2/4 = 0.75.
// verdict: accepted
// probe: 0.41176471 0.41176471 0.41176471 0.75
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (interpolation modifiers: linear "perspective-correct", noperspective "Do not perform perspective-correction", centroid, sample); learn.microsoft.com/windows/win32/direct3d11/d3d10-graphics-programming-guide-rasterizer-stage-rules (pixel centres at .5)
struct Varyings
{
    float4 position : SV_Position;
    float plain : PLAIN;
    centroid float centred : CENTRED;
    sample float sampled : SAMPLED;
    noperspective float flat : SCREEN;
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
    o.flat = id;
    return o;
}
float4 PSMain(Varyings v) : SV_Target
{
    return float4(v.plain, v.centred, v.sampled, v.flat);
}

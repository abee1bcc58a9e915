// Windows: EvaluateAttributeSnapped reads an attribute at an offset from the
// pixel's centre in 1/16 pixel; at the centre, and at sample 0 of a target of
// one sample, the attribute is its value at the centre.
// verdict: accepted
// probe: 0.5 -0.5 0 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/evaluateattributesnapped ("offset: A 2D offset from the pixel center using a 16x16 grid"), evaluateattributeatsample and evaluateattributecentroid
struct Varyings
{
    float4 position : SV_Position;
    float2 clip : TEXCOORD0;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(uint id : SV_VertexID)
{
    Varyings o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.clip = corner * float2(4, -4) + float2(-1, 1); // x and y in clip space
    o.position = float4(o.clip, 0, 1);
    return o;
}
float4 PSMain(Varyings v) : SV_Target
{
    // One pixel is 2 units of clip space across; y grows downward on screen.
    float2 right = EvaluateAttributeSnapped(v.clip, int2(4, 4));
    return float4(right.x, right.y, EvaluateAttributeAtSample(v.clip, 0).x,
                  EvaluateAttributeAtCentroid(v.clip).y);
}

// Windows: centroid and sample combine with linear or noperspective, and
// nointerpolation carries integers; values equal at every vertex arrive as
// written whatever the modifier.
// verdict: accepted
// probe: 1 2 3 4
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (interpolation modifiers linear, centroid, nointerpolation, noperspective, sample; "The centroid modifier must be combined with either the linear or noperspective modifier", sample "shader model 4.1 and later")
struct Link
{
    float4 position : SV_Position;
    noperspective centroid float a : A;
    linear sample float2 b : B;
    noperspective sample float c : C;
    linear centroid float d : D;
    nointerpolation int2 e : E;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Link VSMain(uint id : SV_VertexID)
{
    Link output;
    float2 corner = float2((id << 1) & 2, id & 2);
    output.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1) * 2.0;
    output.a = 1.0;
    output.b = float2(2.0, 0.5);
    output.c = 3.0;
    output.d = 4.0;
    output.e = int2(-3, 7);
    return output;
}
float4 PSMain(Link input) : SV_Target
{
    return float4(input.a, input.b.x + (input.e.x + 3), input.c * (input.e.y - 6), input.d + input.b.y * 0);
}

// Windows: an array output with a semantic takes one index per element
// ("float2 pair[2] : TEXCOORD1" is TEXCOORD1 and TEXCOORD2); the pixel shader
// reads the elements as two parameters.
// verdict: accepted
// probe: 1 2 3 4
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (an array of values with a semantic increments the index per element)
struct Varyings
{
    float4 position : SV_Position;
    float2 pair[2] : TEXCOORD1;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(uint id : SV_VertexID)
{
    Varyings o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1);
    o.pair[0] = float2(1, 2);
    o.pair[1] = float2(3, 4);
    return o;
}
float4 PSMain(float4 position : SV_Position, float2 first : TEXCOORD1,
              float2 second : TEXCOORD2) : SV_Target
{
    return float4(first, second);
}

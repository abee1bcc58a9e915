// Windows: an array with a semantic takes one index per element: the vertex
// shader's "float4 weights[2] : TEXCOORD1" is TEXCOORD1 and TEXCOORD2, which
// the pixel shader reads one by one.
// verdict: accepted
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (an array of semantic values increments the index per element); issue 20 records Windows linking "float4 t[4] : TEXCOORD" with TEXCOORD0..3
cbuffer uniform0 : register(b0)
{
    row_major float4x4 viewProjection;
    float4 tint;
};
struct VertexInput
{
    float3 position : POSITION;
    float3 normal : NORMAL;
    float2 uv : UV;
    float4 color : COLOR;
    uint instanceId : SV_InstanceID;
};
[RootSignature("RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))")]
void VSMain(VertexInput input, out float4 position : SV_Position, out float4 color : TEXCOORD0,
            out float4 weights[2] : TEXCOORD1)
{
    position = mul(float4(input.position, 1.0), viewProjection);
    color = input.color * tint;
    weights[0] = float4(input.normal, 1.0);
    weights[1] = float4(input.uv, 0.0, 1.0);
}
float4 PSMain(float4 position : SV_Position, float4 color : TEXCOORD0, float4 normal : TEXCOORD1,
              float4 uv : TEXCOORD2) : SV_Target
{
    return color * (0.5 + 0.5 * normal.y) + float4(uv.xy, 0, 0);
}

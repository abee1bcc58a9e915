// Windows: the pixel shader reads TEXCOORD1; only TEXCOORD0 is written.
// verdict: pipeline-error 666
// error text: (TEXCOORD,1)
// source: Direct3D linkage: "The input stage requires Semantic/Index (COLOR,0) as input, but it is not provided by the output stage." (D3D11 wording, github.com/microsoft/FX11/issues/3); D3D12 ID 666 SEMANTICNAME_NOT_FOUND from d3d12sdklayers.h
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
struct PixelInput
{
    float4 position : SV_Position;
    float4 color : COLOR;
    float3 normal : NORMAL;
    float2 uv : TEXCOORD0;
};
struct PixelCoord1
{
    float4 position : SV_Position;
    float4 color : COLOR;
    float3 normal : NORMAL;
    float2 uv : TEXCOORD1;
};
[RootSignature("RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))")]
PixelInput VSMain(VertexInput input)
{
    PixelInput output;
    output.position = mul(float4(input.position, 1.0), viewProjection);
    output.color = input.color * tint;
    output.normal = input.normal;
    output.uv = input.uv;
    return output;
}
float4 PSMain(PixelCoord1 input) : SV_Target
{
    return input.color * (0.5 + 0.5 * input.normal.y) + float4(input.uv, 0, 0);
}

// Windows: the vertex shader writes COLOR as float4, the pixel shader reads uint4.
// verdict: pipeline-error 661
// error text: component type
// source: d3d12sdklayers.h: D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_COMPONENTTYPE (661); a float output feeding a uint input
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
struct PixelUint
{
    float4 position : SV_Position;
    nointerpolation uint4 color : COLOR;
    float3 normal : NORMAL;
    float2 uv : TEXCOORD0;
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
float4 PSMain(PixelUint input) : SV_Target
{
    return float4(input.color) * input.normal.y + float4(input.uv, 0, 0);
}

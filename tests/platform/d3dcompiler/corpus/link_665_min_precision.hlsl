// Windows: the vertex shader writes COLOR as min16float4, the pixel shader reads float4: the two signatures give COLOR different minimum precisions.
// verdict: pipeline-error 665
// error text: minimum precision
// source: d3d12sdklayers.h: D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_MINPRECISION (665); D3D12_SIGNATURE_PARAMETER_DESC::MinPrecision (learn.microsoft.com, d3d12shader.h) is min16float's FLOAT_16 on one side and DEFAULT on the other
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
struct PixelHalf
{
    float4 position : SV_Position;
    min16float4 color : COLOR;
    float3 normal : NORMAL;
    float2 uv : TEXCOORD0;
};
struct PixelInput
{
    float4 position : SV_Position;
    float4 color : COLOR;
    float3 normal : NORMAL;
    float2 uv : TEXCOORD0;
};
[RootSignature("RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))")]
PixelHalf VSMain(VertexInput input)
{
    PixelHalf output;
    output.position = mul(float4(input.position, 1.0), viewProjection);
    output.color = input.color * tint;
    output.normal = input.normal;
    output.uv = input.uv;
    return output;
}
float4 PSMain(PixelInput input) : SV_Target
{
    return input.color * input.normal.y + float4(input.uv, 0, 0);
}

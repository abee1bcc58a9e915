// Windows: the pixel shader writes SV_Target1 too; the pipeline has one target: built, with a warning.
// verdict: accepted-with-warning 679
// source: d3d12sdklayers.h: D3D12_MESSAGE_ID_CREATEGRAPHICSPIPELINESTATE_RENDERTARGETVIEW_NOT_SET (679), a warning: Windows builds the pipeline and drops writes to unbound targets
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
struct TwoTargets
{
    float4 color : SV_Target0;
    float4 normal : SV_Target1;
};
TwoTargets PSMain(PixelInput input)
{
    TwoTargets o;
    o.color = input.color + float4(input.uv, 0, 0);
    o.normal = float4(input.normal, 1);
    return o;
}

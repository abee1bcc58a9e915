// Windows: texture slot t127 and sampler slot s15 are the last of their ranges.
// verdict: accepted
// source: learn.microsoft.com/windows/win32/direct3d11/overviews-direct3d-11-resources-limits: 128 input resource slots and 16 sampler slots per stage
Texture2D lastTexture : register(t127);
SamplerState lastSampler : register(s15);
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
[RootSignature("RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t127)), StaticSampler(s15)")]
PixelInput VSMain(VertexInput input)
{
    PixelInput output;
    output.position = mul(float4(input.position, 1.0), viewProjection);
    output.color = input.color * tint;
    output.normal = input.normal;
    output.uv = input.uv;
    return output;
}
float4 PSMain(PixelInput input) : SV_Target
{
    return lastTexture.Sample(lastSampler, input.uv) * input.color * (0.5 + 0.5 * input.normal.y) + float4(input.uv, 0, 0);
}

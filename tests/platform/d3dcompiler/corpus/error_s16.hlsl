// Windows: sampler slot s16 in ps_5_0: 16 slots.
// verdict: compile-error PSMain -
// error text: target has 16 slots
// source: learn.microsoft.com/windows/win32/direct3d11/overviews-direct3d-11-resources-limits (16 sampler slots per stage)
Texture2D colourTexture : register(t0);
SamplerState farSampler : register(s16);
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
float4 PSMain(PixelInput input) : SV_Target
{
    return colourTexture.Sample(farSampler, input.uv) * input.color * (0.5 + 0.5 * input.normal.y) + float4(input.uv, 0, 0);
}

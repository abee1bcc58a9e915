// Windows: a texture and a sampler declared inside a constant buffer are
// global resources in their own registers; the buffer holds only the values.
// verdict: accepted
// group: accept
// source: issue 20 records Windows compiling resources declared inside a cbuffer; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-register (textures bind to t, samplers to s and constant buffers to b registers)
cbuffer uniform0 : register(b0)
{
    row_major float4x4 viewProjection;
    float4 tint;
    Texture2D colorTexture : register(t0);
    SamplerState linearSampler : register(s0);
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
[RootSignature("RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0)), StaticSampler(s0)")]
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
    return colorTexture.Sample(linearSampler, input.uv) * input.color;
}

// Windows: the pixel shader reads NORMAL as float4; the vertex shader writes float3.
// verdict: pipeline-error 662
// error text: component mask that is not a subset
// source: D3D12 debug layer: "...has a hardware register component mask that is not a subset of the output of the previous stage. [ STATE_CREATION ERROR #662 ]" (github.com/gfx-rs/naga/issues/1182)
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
struct PixelWide
{
    float4 position : SV_Position;
    float4 color : COLOR;
    float4 normal : NORMAL;
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
float4 PSMain(PixelWide input) : SV_Target
{
    return input.color * input.normal + float4(input.uv, 0, 0);
}

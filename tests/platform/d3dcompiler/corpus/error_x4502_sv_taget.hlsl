// Windows: a misspelt SV_Taget on the pixel output.
// verdict: compile-error PSMain X4502
// error text: invalid ps_5_0 semantic 'SV_Taget'
// source: fxc's "error X4502: invalid vs_2_0 output semantic 'SV-TARGET'" (github.com/jdibenes/hl2ss/issues/72) and "error X4502: invalid input semantic" (github.com/bkaradzic/bgfx/issues/12)
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
float4 PSMain(PixelInput input) : SV_Taget
{
    return input.color * (0.5 + 0.5 * input.normal.y) + float4(input.uv, 0, 0);
}

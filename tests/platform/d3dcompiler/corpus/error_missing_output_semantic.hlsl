// Windows: a vertex output without a semantic.
// verdict: compile-error VSMain X3503
// error text: error X3503: 'VSMain': function return value missing semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (entry-point parameters and return values need semantics); fxc's words "'%s': function return value missing semantics" (error 3503) as public notes on OBS's and RetroArch's shaders quote them
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
    float2 uv;
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
    return input.color * (0.5 + 0.5 * input.normal.y) + float4(input.uv, 0, 0);
}

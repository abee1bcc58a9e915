// Windows: interpolation modifiers on a stage's inputs and outputs.
// verdict: accepted
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (interpolation modifiers linear, centroid, nointerpolation, noperspective, sample)
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
    linear centroid float4 color : COLOR;
    noperspective float3 normal : NORMAL;
    sample float2 uv : TEXCOORD0;
    nointerpolation uint instance : INSTANCE;
};
[RootSignature("RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))")]
PixelInput VSMain(VertexInput input)
{
    PixelInput output;
    output.position = mul(float4(input.position, 1.0), viewProjection);
    output.color = input.color * tint;
    output.normal = input.normal;
    output.uv = input.uv;
    output.instance = input.instanceId;
    return output;
}
float4 PSMain(PixelInput input) : SV_Target
{
    return input.color * (0.5 + 0.5 * input.normal.y) + float4(input.uv, 0, input.instance & 1);
}

// Windows: the vertex shader writes SV_Position first, the pixel shader reads it last: mismatched registers.
// verdict: pipeline-error 660
// error text: is defined for mismatched hardware registers
// source: D3D12 debug layer: "Semantic 'TEXCOORD' is defined for mismatched hardware registers between the output stage and input stage. [ STATE_CREATION ERROR #660 ]", 0x80070057 (github.com/gfx-rs/wgpu/issues/1171, github.com/libsdl-org/SDL_shadercross/issues/169)
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
struct PixelPositionLast
{
    float4 color : COLOR;
    float3 normal : NORMAL;
    float2 uv : TEXCOORD0;
    float4 position : SV_Position;
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
float4 PSMain(PixelPositionLast input) : SV_Target
{
    return input.color * input.position.z + float4(input.normal + float3(input.uv, 0), 0);
}

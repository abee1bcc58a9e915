// Windows: a semantic on a struct-typed parameter applies to the struct's
// members, with consecutive indices: the vertex shader writes Surface as
// COLOR0..COLOR2 through an out parameter, the pixel shader reads it back the
// same way, and the pipeline links them.
// verdict: accepted
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (semantics on a structure parameter); issue 20 records Windows compiling a semantic on a struct parameter whose members have none
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
struct Surface
{
    float4 color;
    float3 normal;
    float2 uv;
};
[RootSignature("RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))")]
void VSMain(VertexInput input, out Surface surface : COLOR, out float4 position : SV_Position)
{
    position = mul(float4(input.position, 1.0), viewProjection);
    surface.color = input.color * tint;
    surface.normal = input.normal;
    surface.uv = input.uv;
}
float4 PSMain(float4 position : SV_Position, Surface surface : COLOR) : SV_Target
{
    return surface.color * (0.5 + 0.5 * surface.normal.y) + float4(surface.uv, 0, 0);
}

// Windows: a vertex shader reads a texture through a sampler2D with
// tex2Dlod, which names its level.
// verdict: accepted
// probe: 7 0 0 0
// group: resources
// texture t0: 2d r32_float 1x1 : 7
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex2dlod (vertex shaders among its stages)
sampler2D heights : register(s0);
struct Varyings
{
    float4 position : SV_Position;
    float height : HEIGHT;
};
[RootSignature(CORPUS_ROOT_SIGNATURE)]
Varyings VSMain(uint id : SV_VertexID)
{
    float2 corner = float2((id << 1) & 2, id & 2);
    Varyings output;
    output.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1) * 2.0;
    output.height = tex2Dlod(heights, float4(0.5, 0.5, 0, 0)).x;
    return output;
}
float4 PSMain(Varyings input) : SV_Target
{
    return float4(input.height, 0, 0, 0);
}

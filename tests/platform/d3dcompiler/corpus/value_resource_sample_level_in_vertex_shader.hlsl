// Windows: SampleLevel and Load work in a vertex shader (they need no derivatives); the vertex shader's value reaches the pixel.
// verdict: accepted
// probe: 4 2 0 1
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplelevel (minimum shader model table: vs_4_0 x), learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load (vs_4_0 x)
Texture2D<float> heights : register(t0);
SamplerState nearest : register(s0);
struct Varyings { float4 position : SV_Position; float4 value : VALUE; };
[RootSignature(CORPUS_ROOT_SIGNATURE)]
Varyings VSMain(uint id : SV_VertexID)
{
    float2 corner = float2((id << 1) & 2, id & 2);
    Varyings output;
    output.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1);
    output.value = float4(heights.SampleLevel(nearest, float2(0.75, 0.75), 0), heights.Load(int3(1, 0, 0)), 0, 1);
    return output;
}
float4 PSMain(Varyings input) : SV_Target
{
    return input.value;
}

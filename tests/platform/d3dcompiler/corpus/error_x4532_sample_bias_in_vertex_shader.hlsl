// Windows: SampleBias needs derivatives, which only a pixel shader has.
// verdict: compile-error VSMain X4532
// group: resources
// error text: cannot map expression to vs_5_0 instruction set
// texture t0: 2d r32_float 1x1
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplebias (minimum shader model: ps_4_0 only); the words as in error_x4532_sample_in_vertex_shader.hlsl
Texture2D<float> heights : register(t0);
SamplerState nearest : register(s0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
float4 VSMain(uint id : SV_VertexID) : SV_Position
{
    return float4(id, heights.SampleBias(nearest, float2(0.5, 0.5), 1), 0, 1);
}
float4 PSMain() : SV_Target
{
    return 0;
}

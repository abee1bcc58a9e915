// Windows: SampleCmp takes the level from derivatives, which only a pixel
// shader has; a compute shader is refused.
// verdict: compile-error CSMain X4532
// group: stages
// error text: cannot map expression to cs_5_0 instruction set
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplecmp ("This function is supported only in a pixel shader"); fxc's X4532 words for Sample in a vertex shader, quoted in error_x4532_sample_in_vertex_shader.hlsl's source
Texture2D<float> depths : register(t0);
SamplerComparisonState shadowSampler : register(s0);
RWStructuredBuffer<float> results : register(u0);
[numthreads(8, 1, 1)]
void CSMain(uint3 id : SV_DispatchThreadID)
{
    results[id.x] = depths.SampleCmp(shadowSampler, id.xy / 8.0, 0.5);
}

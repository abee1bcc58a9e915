// Windows: a compute shader gathers and samples at a given level or with given gradients, none of which needs the pixel shader's derivatives.
// verdict: accepted CSMain
// group: resources
// texture t0: 2d r32_float 2x2 mips 2 : 1 2 3 4  9
// sampler s0: point clamp
// uav u0: structured 4 6
// expect u0: 3.0 4.0 2.0 1.0 9.0 1.0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-gather, dx-graphics-hlsl-to-samplelevel, dx-graphics-hlsl-to-samplegrad (each lists the compute shader among its stages)
Texture2D<float> heights : register(t0);
SamplerState nearest : register(s0);
RWStructuredBuffer<float> results : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    float4 g = heights.Gather(nearest, float2(0.5, 0.5));
    results[0] = g.x;
    results[1] = g.y;
    results[2] = g.z;
    results[3] = g.w;
    results[4] = heights.SampleLevel(nearest, float2(0.5, 0.5), 1);
    results[5] = heights.SampleGrad(nearest, float2(0.1, 0.1), float2(0, 0), float2(0, 0));
}

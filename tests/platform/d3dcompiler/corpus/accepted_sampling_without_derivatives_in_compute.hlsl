// Windows: SampleLevel, SampleGrad, SampleCmpLevelZero, Load and Gather
// take their level or gradients from their arguments, so stages without
// derivatives may use them; GetDimensions tells a texture's size anywhere.
// verdict: accepted CSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplelevel, dx-graphics-hlsl-to-samplegrad, dx-graphics-hlsl-to-samplecmplevelzero, dx-graphics-hlsl-to-load, texture2d-gather and dx-graphics-hlsl-to-getdimensions (each supported in compute shaders)
Texture2D<float4> colors : register(t0);
Texture2D<float> depths : register(t1);
SamplerState linearSampler : register(s0);
SamplerComparisonState shadowSampler : register(s1);
RWStructuredBuffer<float4> results : register(u0);
[numthreads(8, 8, 1)]
void CSMain(uint3 id : SV_DispatchThreadID)
{
    float2 uv = id.xy / 64.0;
    uint width;
    uint height;
    uint levels;
    colors.GetDimensions(0, width, height, levels);
    float4 sum = colors.SampleLevel(linearSampler, uv, 0);
    sum += colors.SampleGrad(linearSampler, uv, float2(0.01, 0), float2(0, 0.01));
    sum += depths.SampleCmpLevelZero(shadowSampler, uv, 0.5);
    sum += colors.Load(int3(id.xy, 0), int2(1, -1));
    sum += colors.Gather(linearSampler, uv, int2(0, 1));
    sum += depths.GatherRed(linearSampler, uv);
    results[id.x + id.y * width] = sum / float(levels + height);
}

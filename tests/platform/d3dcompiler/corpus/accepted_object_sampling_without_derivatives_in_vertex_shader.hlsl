// Windows: a vertex shader may gather, sample at a level, sample with gradients, compare at level zero and load, none of which takes derivatives.
// verdict: accepted
// group: resources
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-gather, dx-graphics-hlsl-to-samplelevel, dx-graphics-hlsl-to-samplegrad, dx-graphics-hlsl-to-samplecmplevelzero (each lists the vertex shader among its stages)
Texture2D<float4> image : register(t0);
SamplerState nearest : register(s0);
SamplerComparisonState less : register(s1);
[RootSignature("DescriptorTable(SRV(t0)), StaticSampler(s0), StaticSampler(s1, comparisonFunc = COMPARISON_LESS)")]
float4 VSMain(uint id : SV_VertexID) : SV_Position
{
    float2 uv = float2(id & 1, id >> 1);
    float4 c = image.Gather(nearest, uv) + image.SampleLevel(nearest, uv, 1) + image.SampleGrad(nearest, uv, float2(0.1, 0), float2(0, 0.1));
    c.x += image.SampleCmpLevelZero(less, uv, 0.5) + image.Load(int3(0, 0, 0)).y;
    return float4(uv, 0, 1) + c * 0.001;
}
float4 PSMain() : SV_Target
{
    return float4(1, 0, 0, 1);
}

// Windows: shader model 5's resources and their methods in a pixel shader:
// Buffer, StructuredBuffer and ByteAddressBuffer loads, a cube map, an array
// texture, a multisampled texture's Load, comparison sampling and Gather.
// verdict: accepted
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/d3d11-graphics-reference-sm5-objects (Buffer, StructuredBuffer, ByteAddressBuffer, TextureCube, Texture2DArray, Texture2DMS) and dx-graphics-hlsl-to-samplecmplevelzero, dx-graphics-hlsl-to-gather
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0, numDescriptors = 7)), StaticSampler(s0), StaticSampler(s1, comparisonFunc = COMPARISON_LESS)"
#include "sampled_stages.hlsli"
Buffer<float4> tints : register(t0);
StructuredBuffer<float4> colours : register(t1);
ByteAddressBuffer raw : register(t2);
TextureCube sky : register(t3);
Texture2DArray layers : register(t4);
Texture2DMS<float4, 4> resolved : register(t5);
Texture2D shadowMap : register(t6);
SamplerState linearSampler : register(s0);
SamplerComparisonState shadowSampler : register(s1);
float4 PSMain(PixelInput input) : SV_Target
{
    float4 c = tints.Load(0) + colours[1] + asfloat(raw.Load4(16));
    c += sky.Sample(linearSampler, input.normal) + layers.Sample(linearSampler, float3(input.uv, 1));
    c += resolved.Load(int2(input.position.xy), 2);
    c += shadowMap.SampleCmpLevelZero(shadowSampler, input.uv, 0.5);
    c += layers.Gather(linearSampler, float3(input.uv, 0));
    return input.color * c;
}

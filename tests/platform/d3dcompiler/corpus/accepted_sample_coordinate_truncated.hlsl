// Windows: a float3 location given to Texture2D.Sample is truncated to its
// float2 with warning X3206; the compile succeeds.
// verdict: accepted
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample (Texture2D takes a float2 location); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3206: implicit truncation of vector type, a warning)
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0)), StaticSampler(s0)"
#include "sampled_stages.hlsli"
Texture2D colourMap : register(t0);
SamplerState linearSampler : register(s0);
float4 PSMain(PixelInput input) : SV_Target
{
    return input.color * colourMap.Sample(linearSampler, float3(input.uv, 0.0));
}

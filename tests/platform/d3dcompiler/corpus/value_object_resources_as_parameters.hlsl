// Windows: a texture and a sampler passed to a function as parameters are the ones the caller names.
// verdict: accepted
// probe: 2 30 0 0
// group: resources
// texture t0: 2d r32_float 2x1 : 1 2
// texture t1: 2d r32_float 2x1 : 10 30
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (parameters of any type, objects included, are passed in); dx-graphics-hlsl-to-sample
#include "resource_stages.hlsli"
Texture2D<float> first : register(t0);
Texture2D<float> second : register(t1);
SamplerState nearest : register(s0);
float Right(Texture2D<float> image, SamplerState sampler_, float2 uv)
{
    return image.Sample(sampler_, uv + float2(0.5, 0));
}
float4 PSMain() : SV_Target
{
    return float4(Right(first, nearest, float2(0.25, 0.5)), Right(second, nearest, float2(0.25, 0.5)), 0, 0);
}

// Windows: CalculateLevelOfDetail gives the level clamped to the texture's mip levels, CalculateLevelOfDetailUnclamped the level before clamping.
// verdict: accepted
// probe: 2 3 0 -1
// group: resources
// texture t0: 2d r32_float 4x4 mips 3
// sampler s0: linear clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-calculate-lod ("Calculates the level of detail"); dx-graphics-hlsl-to-calculate-lod-unclamped ("Calculates the LOD without clamping the result"); lod--sm4-1---asm- ("The x component ... clamped ... The y component ... unclamped")
#include "resource_stages.hlsli"
Texture2D<float> levels : register(t0);
SamplerState smooth : register(s0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2 steep = position.xy * 2;
    float2 gentle = position.xy * 0.125;
    return float4(levels.CalculateLevelOfDetail(smooth, steep), levels.CalculateLevelOfDetailUnclamped(smooth, steep), levels.CalculateLevelOfDetail(smooth, gentle), levels.CalculateLevelOfDetailUnclamped(smooth, gentle));
}

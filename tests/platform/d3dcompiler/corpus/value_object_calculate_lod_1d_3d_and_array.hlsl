// Windows: CalculateLevelOfDetail reads a Texture1D's one coordinate, a Texture3D's three, and a Texture2DArray's first two (the slice takes no part); the unclamped form passes the last level.
// verdict: accepted
// probe: 2 1 1 6
// group: resources
// texture t0: 1d r32_float 8 mips 4
// texture t1: 3d r32_float 4x4x4 mips 3
// texture t2: 2darray r32_float 8x8 mips 4 slices 4
// sampler s0: linear clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-calculate-lod (Location: "Texture1D float, Texture2DArray float2, Texture3D float3"; "Calculates the level of detail"); dx-graphics-hlsl-to-calculate-lod-unclamped ("Calculates the LOD without clamping the result"); texture2d-samplegrad's level as the log2 of the longer derivative in texels
#include "resource_stages.hlsli"
Texture1D<float> row : register(t0);
Texture3D<float> volume : register(t1);
Texture2DArray<float> layers : register(t2);
SamplerState smooth : register(s0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float rowLevel = row.CalculateLevelOfDetail(smooth, position.x * 0.5);
    float volumeLevel = volume.CalculateLevelOfDetail(smooth, float3(position.xy * 0.5, 0));
    float layerLevel = layers.CalculateLevelOfDetail(smooth, position.xy * 0.25);
    return float4(rowLevel, volumeLevel, layerLevel, row.CalculateLevelOfDetailUnclamped(smooth, position.x * 8));
}

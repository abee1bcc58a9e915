// Windows: GetDimensions writes float outputs too: a Texture3D's with a mip level, a multisampled texture's width, height and sample count, a Texture2DMSArray's elements.
// verdict: accepted
// probe: 2 4 3 2
// group: resources
// texture t0: 3d r32_float 8x4x6 mips 3
// texture t1: 2dms r32g32b32a32_float 4x2 samples 4 : 0 0 0 0
// texture t2: 2dmsarray r32g32b32a32_float 2x2 samples 4 slices 2 : 0 0 0 0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-getdimensions (Texture3D "UINT MipLevel, Width, Height, Depth, NumberOfLevels"; Texture2DMS "Width, Height, NumberOfSamples"; Texture2DMSArray "Width, Height, Elements, NumberOfSamples"; "the type of the output parameters is float or uint"); texture3d-getdimensions (the mip level's size)
#include "resource_stages.hlsli"
Texture3D<float> volume : register(t0);
Texture2DMS<float4, 4> scene : register(t1);
Texture2DMSArray<float4, 4> layers : register(t2);
float4 PSMain() : SV_Target
{
    float width, height, depth, levels;
    volume.GetDimensions(2, width, height, depth, levels);
    float sceneWidth, sceneHeight, samples;
    scene.GetDimensions(sceneWidth, sceneHeight, samples);
    float layerWidth, layerHeight, elements, layerSamples;
    layers.GetDimensions(layerWidth, layerHeight, elements, layerSamples);
    return float4(width + height - 1, sceneWidth * samples / 4, levels, elements * layerSamples / 4);
}

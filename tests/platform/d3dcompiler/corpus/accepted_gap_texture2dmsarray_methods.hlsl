// Windows: Texture2DMSArray's Load takes the slice in the location's third
// component and a sample index; GetDimensions gives four values.
// verdict: accepted
// group: resources
// texture t0: 2d r32g32b32a32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2dmsarray-getdimensions (width, height, elements, samples); dx-graphics-hlsl-to-load (Texture2DMSArray: int3 location and a sample index)
#include "resource_stages.hlsli"
Texture2DMSArray<float4, 2> layers : register(t0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint width, height, elements, samples;
    layers.GetDimensions(width, height, elements, samples);
    return layers.Load(int3(0, 0, 1), 1) + float4(width, height, elements, samples);
}

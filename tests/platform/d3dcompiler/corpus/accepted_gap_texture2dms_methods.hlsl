// Windows: Texture2DMS's GetDimensions, GetSamplePosition and Load with a
// sample index compile.
// verdict: accepted
// group: resources
// texture t0: 2d r32g32b32a32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2dms-getdimensions, learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2dms-getsampleposition, learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2dms-load
#include "resource_stages.hlsli"
Texture2DMS<float4, 4> scene : register(t0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint width, height, samples;
    scene.GetDimensions(width, height, samples);
    float2 offset = scene.GetSamplePosition(1);
    return scene.Load(int2(0, 0), 2) + float4(width, height, samples, 0) + offset.xyxy;
}

// Windows: a multisampled texture's sample[s][location] reads one sample.
// verdict: accepted
// group: resources
// texture t0: 2d r32g32b32a32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2dms ("sample[][]": the sample index, then the location)
#include "resource_stages.hlsli"
Texture2DMS<float4, 4> scene : register(t0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return scene.sample[2][uint2(0, 0)];
}

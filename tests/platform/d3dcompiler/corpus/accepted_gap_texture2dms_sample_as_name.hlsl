// Windows: `sample` names a variable where no modifier stands, here the
// sample index of a multisampled Load.
// verdict: accepted
// group: resources
// texture t0: 2d r32g32b32a32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2dms-load ("sampleIndex"); DirectXShaderCompiler pull request 1406 (fxc takes modifier words as names)
#include "resource_stages.hlsli"
Texture2DMS<float4, 4> scene : register(t0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int sample = (int)position.x;
    return scene.Load(int2(0, 0), sample);
}

// Windows: a local indexes an array of textures while it still holds a literal; the value the
// draw gives it afterwards does not reach that index, which folds.
// verdict: accepted
// probe: 1 2 0 1
// group: resources
// texture t0: 2d r32_float 1x1 : 1
// texture t1: 2d r32_float 1x1 : 2
// source: learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (shader model 5.0 indexes an array of resources by a literal expression; the index here is one when it is read)
#include "resource_stages.hlsli"
Texture2D<float> maps[2] : register(t0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint which = 0;
    float first = maps[which].Load(int3(0, 0, 0));
    which = (uint)position.x + 2;
    return float4(first, which, 0, 1);
}

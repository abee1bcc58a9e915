// Windows: a local given a value the draw gives and then a literal holds the literal where it
// indexes an array of textures, which folds to it at shader model 5.0.
// verdict: accepted
// probe: 2 0 0 1
// group: resources
// texture t0: 2d r32_float 1x1 : 1
// texture t1: 2d r32_float 1x1 : 2
// source: learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (shader model 5.0 indexes an array of resources by a literal expression; the index here is one when it is read)
#include "resource_stages.hlsli"
Texture2D<float> maps[2] : register(t0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint which = (uint)position.x;
    which = 1;
    return float4(maps[which].Load(int3(0, 0, 0)), 0, 0, 1);
}

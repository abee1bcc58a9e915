// Windows: a local declared without a value and then given a literal folds to that literal, so it
// may index an array of textures at shader model 5.0.
// verdict: accepted
// probe: 2 0 0 1
// group: resources
// texture t0: 2d r32_float 1x1 : 1
// texture t1: 2d r32_float 1x1 : 2
// source: learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (an array of resources takes consecutive registers; shader model 5.0 indexes it by a literal expression, which a local holding a literal folds to)
#include "resource_stages.hlsli"
Texture2D<float> maps[2] : register(t0);
float4 PSMain() : SV_Target
{
    uint which;
    which = 1;
    return float4(maps[which].Load(int3(0, 0, 0)), 0, 0, 1);
}

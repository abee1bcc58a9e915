// Windows: a local of a texture type, initialised from an element of an array of textures, reads that texture.
// verdict: accepted
// probe: 2 0 0 0
// group: resources
// texture t0: 2d r32_float 1x1 : 1
// texture t1: 2d r32_float 1x1 : 2
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (a variable of any type, objects among them, declared in a function); learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (an array takes one register per element)
#include "resource_stages.hlsli"
Texture2D<float> maps[2] : register(t0);
float4 PSMain() : SV_Target
{
    Texture2D<float> chosen = maps[1];
    return float4(chosen.Load(int3(0, 0, 0)), 0, 0, 0);
}

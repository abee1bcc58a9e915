// Windows: an array of textures bound at register(t0) takes one register per
// element, t0 to t2, each element read as its own texture.
// verdict: accepted
// probe: 1 2 3 0
// group: resources
// texture t0: 2d r32_float 1x1 : 1
// texture t1: 2d r32_float 1x1 : 2
// texture t2: 2d r32_float 1x1 : 3
// source: learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl ("Texture2D<float4> tex1[4] : register(t10)" takes t10 to t13; a resource array at shader model 5.0 is indexed by a literal)
#include "resource_stages.hlsli"
Texture2D<float> layers[3] : register(t0);
float4 PSMain() : SV_Target
{
    int3 at = int3(0, 0, 0);
    return float4(layers[0].Load(at), layers[1].Load(at), layers[2].Load(at), 0);
}

// Windows: an array given register(t1) takes t1 and t2; a texture at t0
// beside it keeps its own, and a constant index names the element.
// verdict: accepted
// probe: 5 7 6 0
// group: resources
// texture t0: 2d r32_float 1x1 : 5
// texture t1: 2d r32_float 1x1 : 6
// texture t2: 2d r32_float 1x1 : 7
// source: learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl ("Texture2D<float4> tex1[4] : register(t10)" takes t10 to t13)
#include "resource_stages.hlsli"
Texture2D<float> first : register(t0);
Texture2D<float> pair[2] : register(t1);
static const int kLast = 1;
float4 PSMain() : SV_Target
{
    int3 at = int3(0, 0, 0);
    return float4(first.Load(at), pair[kLast].Load(at), pair[0].Load(at), 0);
}
